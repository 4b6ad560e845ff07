#!/bin/sh
# Builds the settings file fuzzer with clang in ./build-fuzz, replays its seeds and fuzzes for the
# given number of seconds (default 60). New inputs go to a temporary folder, not the repository.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANE_BUILD_FUZZERS=ON -DORVANE_WERROR=ON
cmake --build build-fuzz --target fuzz_settings
ctest --test-dir build-fuzz --output-on-failure -R fuzz_settings_seeds
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build-fuzz/tests/fuzz/fuzz_settings -max_total_time="$seconds" -print_final_stats=1 \
    "$corpus" tests/fuzz/corpus
