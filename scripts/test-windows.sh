#!/bin/sh
# Installs what is missing, cross-builds the Windows program (32-bit, the one that ships) and its
# tests with MinGW-w64, and runs the tests as Windows programs under Wine, headless: Xvfb with a
# window manager. Where this machine cannot run 32-bit code (some sandboxes lack it), the tests
# run from a 64-bit build of the same sources under 64-bit Wine instead.
set -eu
cd "$(dirname "$0")/.."
build=build-win32
build64=build-win64

scripts/build-windows.sh win32
file "$build/src/orvane-pm.exe"
file "$build/src/orvane-pm.exe" | grep -q "PE32 executable (GUI) Intel 80386" ||
    { echo "orvane-pm.exe is not a 32-bit Windows program"; exit 1; }

if /usr/lib/wine/wine --version > /dev/null 2>&1; then
    tests=$build
    wine=/usr/lib/wine/wine
else
    echo "This machine cannot run 32-bit programs: the tests run from a 64-bit build."
    scripts/build-windows.sh win64
    tests=$build64
    wine=/usr/lib/wine/wine64
fi

rm -rf "$tests/test-results"
scripts/wine-session.sh "$tests" "$wine" ctest --test-dir "$tests" --output-on-failure

# The test cases inside the test programs, counted from their reports.
results="$tests/test-results"
counts=$(sed -n 's/^<testsuites tests="\([0-9]*\)" failures="\([0-9]*\)".*/\1 \2/p' "$results"/*.xml |
    awk '{ tests += $1; failed += $2 } END { print tests, failed }')
skipped=$(cat "$results"/*.xml | grep -c 'result="skipped"' || true)
echo "$counts $skipped" |
    awk '{ printf "%d passed, %d failed, %d skipped\n", $1 - $2 - $3, $2, $3 }'
