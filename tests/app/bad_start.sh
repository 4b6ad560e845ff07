#!/bin/sh
# Starts the real editor from a folder of its own without a display: with no DISPLAY or
# WAYLAND_DISPLAY, then with an X server that is not there, it prints one line on standard error
# and ends with status 1, without a core dump. Usage: bad_start.sh EDITOR
set -eu
editor=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$editor" "$folder/"
program="$folder/$(basename "$editor")"
printf 'JOB=Start test\r\nLANGUAGE=1\r\n' > "$folder/SETTINGS.TXT"

# expect_no_display WHAT ENVIRONMENT...: the program, started with that environment, ends at once
# with status 1 and prints exactly one line, on standard error.
expect_no_display() {
    what=$1
    shift
    status=0
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" > "$folder/out" 2> "$folder/err" ||
        status=$?
    if [ "$status" -ne 1 ] || [ -s "$folder/out" ] || [ "$(wc -l < "$folder/err")" -ne 1 ] ||
        ! grep -q '^orvane-pm: no display to show the window on (.*)$' "$folder/err"; then
        echo "$what: status $status, printed:"
        cat "$folder/out" "$folder/err"
        exit 1
    fi
    echo "$what: $(cat "$folder/err")"
}

expect_no_display "no display" -u DISPLAY
# A display number that no X server of this machine listens on.
number=737
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
expect_no_display "no X server" DISPLAY=":$number"
