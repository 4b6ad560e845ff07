#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite headless, in stages:
# the suite built with GCC; the editor built once more with CMake's default generator, as a plain
# `cmake -S . -B ...` builds it; the suite under AddressSanitizer and UndefinedBehaviorSanitizer
# with a short, bounded fuzzing run of the settings file reader; the formatting and clang-tidy
# checks; the Windows build with its tests under Wine; and the file layer on the kernel's FAT
# driver in user-mode Linux, after the GCC suite's build. Every stage runs even when one before it
# failed; the output of each is also kept in build/test-logs. It ends with one line per stage and
# then the tests and checks of all stages together, and fails when any stage failed.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev clang-format clang-tidy
logs=build/test-logs
rm -rf "$logs"
mkdir -p "$logs"

# stage NAME COMMAND...: runs the command with its output on the console and in $logs/NAME.log,
# and keeps its exit status in $logs/NAME.status.
stage() {
    name=$1
    shift
    echo "=== $name"
    { "$@" 2>&1 && echo 0 > "$logs/$name.status" || echo $? > "$logs/$name.status"; } |
        tee "$logs/$name.log"
}

default_generator() {
    rm -rf build-make
    env -u CMAKE_GENERATOR cmake -S . -B build-make
    cmake --build build-make --target orvane-pm -j "$(nproc)"
}

# Its results also go to a JUnit report (scripts/sanitize.sh writes the sanitizers'), from which
# the summary counts them.
gcc_suite() {
    scripts/build.sh && ctest --preset default --output-junit "$(pwd)/$logs/gcc-junit.xml"
}

stage gcc gcc_suite
stage generator default_generator
stage sanitize scripts/sanitize.sh 20
stage lint scripts/lint.sh
stage windows scripts/test-windows.sh
stage fat scripts/test-fat.sh

passed=0
failed=0
# report LABEL STATUS [PASSED FAILED SKIPPED]: a stage's line with its counts; one without them
# counts as one check.
report() {
    if [ -n "${3:-}" ]; then
        passed=$((passed + $3))
        failed=$((failed + $4))
        line="$3 passed, $4 failed, $5 skipped"
    elif [ "$2" -eq 0 ]; then
        passed=$((passed + 1))
        line="passed"
    else
        failed=$((failed + 1))
        line="FAILED"
    fi
    [ "$2" -eq 0 ] || line="$line (exit status $2; output in $logs)"
    printf '%-36s %s\n' "$1:" "$line"
}

# check LABEL DETAIL: a check that passed when it printed DETAIL, and failed when it did not.
check() {
    if [ -n "$2" ]; then
        passed=$((passed + 1))
        printf '%-36s %s\n' "$1:" "$2"
    else
        failed=$((failed + 1))
        printf '%-36s %s\n' "$1:" "FAILED or not run (output in $logs)"
    fi
}

# ctest_counts REPORT: "PASSED FAILED SKIPPED" from ctest's JUnit report, nothing without one. The
# report's "skipped" also holds the tests that could not run (no program, a failed fixture), which
# ctest itself counts as failed, and so do these counts: only a skip the test asked for, or a
# disabled test, is skipped here.
ctest_counts() {
    [ -f "$1" ] || return 0
    python3 - "$1" << 'EOF'
import sys
import xml.etree.ElementTree as tree

passed = failed = skipped = 0
for case in tree.parse(sys.argv[1]).iter("testcase"):
    reason = case.find("skipped")
    if case.get("status") == "run":
        passed += 1
    elif case.get("status") == "disabled" or (
        reason is not None and reason.get("message", "").startswith("SKIP_")
    ):
        skipped += 1
    else:
        failed += 1
print(passed, failed, skipped)
EOF
}

# stage_line NAME PATTERN REPLACEMENT: the stage's last line that matches, rewritten.
stage_line() {
    sed -n "s/$2/$3/p" "$logs/$1.log" | tail -n 1
}

status() { cat "$logs/$1.status"; }

echo "=== Summary"
# The counts are words on purpose.
# shellcheck disable=SC2046
report "GCC suite (ctest)" "$(status gcc)" $(ctest_counts "$logs/gcc-junit.xml")
report "editor with the default generator" "$(status generator)"
# shellcheck disable=SC2046
report "sanitizers (ctest)" "$(status sanitize)" $(ctest_counts build-sanitize/ctest-junit.xml)
check "fuzzing" "$(stage_line sanitize '^fuzzing: \(.* runs .* without a failure\).*' '\1')"
check "lint" "$([ "$(status lint)" -ne 0 ] || stage_line lint '^lint: ' '')"
# shellcheck disable=SC2046
report "Windows tests (test cases)" "$(status windows)" $(stage_line windows \
    '^\([0-9]*\) passed, \([0-9]*\) failed, \([0-9]*\) skipped$' '\1 \2 \3')

# shellcheck disable=SC2046
report "FAT medium (checks)" "$(status fat)" $(stage_line fat \
    '^FAT stage: \([0-9]*\) passed, \([0-9]*\) failed$' '\1 \2 0')

# Any stage that failed fails the whole, also where its counts show no failure.
for name in gcc generator sanitize lint windows fat; do
    [ "$(status "$name")" -eq 0 ] || [ "$failed" -gt 0 ] || failed=1
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
