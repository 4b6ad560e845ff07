#!/bin/sh
# Installs what is missing, cross-builds the Windows program (32-bit, the one that ships) and its
# tests with MinGW-w64, and runs the tests as Windows programs under Wine, headless: Xvfb with a
# window manager. Where this machine cannot run 32-bit code (some sandboxes lack it), the tests
# run from a 64-bit build of the same sources under 64-bit Wine instead.
set -eu
cd "$(dirname "$0")/.."
build=build-win32
build64=build-win64

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    apt-get update
fi
scripts/install-deps.sh python3 googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
    wine wine32:i386 wine64 fonts-wine xvfb xauth openbox xdotool

configure_and_build() {
    cmake --preset "$1"
    cmake --build --preset "$1"
}

configure_and_build win32
file "$build/src/orvane-pm.exe"
file "$build/src/orvane-pm.exe" | grep -q "PE32 executable (GUI) Intel 80386" ||
    { echo "orvane-pm.exe is not a 32-bit Windows program"; exit 1; }

if /usr/lib/wine/wine --version > /dev/null 2>&1; then
    tests=$build
    wine=/usr/lib/wine/wine
else
    echo "This machine cannot run 32-bit programs: the tests run from a 64-bit build."
    configure_and_build win64
    tests=$build64
    wine=/usr/lib/wine/wine64
fi

# A Wine prefix of the tests' own: no downloads of Mono or Gecko, Wine draws the Windows window
# frame itself, and DejaVu Sans stands in for Verdana as on Linux.
export WINEPREFIX="$PWD/$tests/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i > /dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f > /dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /d 'DejaVu Sans' /f \
        > /dev/null 2>&1
    /usr/lib/wine/wineserver -w
fi

rm -rf "$tests/test-results"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    openbox > /dev/null 2>&1 &
    manager=$!
    sleep 1
    status=0
    ctest --test-dir "$1" --output-on-failure || status=$?
    kill "$manager"
    exit $status' sh "$tests"
/usr/lib/wine/wineserver -w

# The test cases inside the test programs, counted from their reports.
results="$tests/test-results"
counts=$(sed -n 's/^<testsuites tests="\([0-9]*\)" failures="\([0-9]*\)".*/\1 \2/p' "$results"/*.xml |
    awk '{ tests += $1; failed += $2 } END { print tests, failed }')
skipped=$(cat "$results"/*.xml | grep -c 'result="skipped"' || true)
echo "$counts $skipped" |
    awk '{ printf "%d passed, %d failed, %d skipped\n", $1 - $2 - $3, $2, $3 }'
