#!/bin/sh
# Runs a command headless beside Wine: on Xvfb with the openbox window manager, with a Wine prefix
# of the build's own in BUILD/wineprefix (no downloads of Mono or Gecko, Wine draws the Windows
# window frame itself, and DejaVu Sans stands in for Verdana as on Linux). The command finds the
# Wine loader in $WINE.
# Usage: scripts/wine-session.sh BUILD WINE COMMAND [ARGUMENT...]
set -eu
build=$1
wine=$2
shift 2
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINE="$wine"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i > /dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f > /dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /d 'DejaVu Sans' /f \
        > /dev/null 2>&1
    /usr/lib/wine/wineserver -w
fi

status=0
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    openbox > /dev/null 2>&1 &
    manager=$!
    sleep 1
    status=0
    "$@" || status=$?
    kill "$manager"
    exit $status' sh "$@" || status=$?
/usr/lib/wine/wineserver -w
exit "$status"
