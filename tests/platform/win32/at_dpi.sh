#!/bin/sh
# Runs a Windows test program under Wine ($WINE) with the screen at another DPI: Wine's LogPixels,
# set for the run and put back to 96 after it. The program is told the DPI in ORVANE_SCREEN_DPI.
# Usage: at_dpi.sh DPI PROGRAM [ARGUMENT...]
set -eu
dpi=$1
shift
key='HKCU\Control Panel\Desktop'
trap '"$WINE" reg add "$key" /v LogPixels /t REG_DWORD /d 96 /f > /dev/null 2>&1' EXIT
"$WINE" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f > /dev/null 2>&1
ORVANE_SCREEN_DPI=$dpi "$WINE" "$@"
