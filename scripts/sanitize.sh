#!/bin/sh
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer in ./build-sanitize,
# runs the whole test suite there, then fuzzes the settings file reader for the given number of
# seconds (default 60). New fuzz inputs go to a temporary folder, not the repository.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANE_SANITIZE=ON -DORVANE_BUILD_FUZZERS=ON -DORVANE_WERROR=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build-sanitize/tests/fuzz/fuzz_settings -max_total_time="$seconds" -print_final_stats=1 \
    "$corpus" tests/fuzz/corpus
