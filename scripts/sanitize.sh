#!/bin/sh
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer in ./build-sanitize,
# runs the whole test suite there, then fuzzes the settings file reader for the given number of
# seconds (default 60). The suite's results also go to build-sanitize/ctest-junit.xml, new fuzz
# inputs to a temporary folder, not the repository, and the fuzzer's progress to
# build-sanitize/fuzz.log.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
# No report of an earlier run is left to be counted when this one stops before its tests.
junit=build-sanitize/ctest-junit.xml
rm -f "$junit"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize --output-junit "$(pwd)/$junit"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
# libFuzzer's progress goes to a log; only its closing figures are printed.
log=build-sanitize/fuzz.log
if ! build-sanitize/tests/fuzz/fuzz_settings -max_total_time="$seconds" -print_final_stats=1 \
    "$corpus" tests/fuzz/corpus > "$log" 2>&1; then
    tail -n 50 "$log"
    echo "fuzzing: FAILED; the whole output is in $log"
    exit 1
fi
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
echo "fuzzing: $runs runs in $seconds s without a failure (progress in $log)"
