#!/bin/sh
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer in ./build-sanitize,
# runs the whole test suite there, then fuzzes the settings file reader for the given number of
# seconds (default 60). New fuzz inputs go to a temporary folder, not the repository.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build-sanitize/tests/fuzz/fuzz_settings -max_total_time="$seconds" -print_final_stats=1 \
    "$corpus" tests/fuzz/corpus
