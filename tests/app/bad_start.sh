#!/bin/sh
# Starts the real editor from a folder of its own in conditions it must cope with:
#   bad_start.sh no-display EDITOR   no DISPLAY or WAYLAND_DISPLAY, then an X server that is not
#                                    there: one line on standard error, status 1, no core dump
#   bad_start.sh qt-options EDITOR   Qt's own options on the command line change nothing
set -eu
mode=$1
editor=$2
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

case $mode in
    no-display)
        expect_no_display "no display" -u DISPLAY
        # A display number that no X server of this machine listens on.
        number=737
        while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
            number=$((number + 1))
        done
        expect_no_display "no X server" DISPLAY=":$number"
        ;;
    qt-options)
        # Each of these, if Qt took it, would keep the window from coming up headless.
        env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$program" -platform xcb \
            -platformpluginpath "$folder/none" -stylesheet "$folder/none.qss" -reverse \
            > "$folder/output.txt" 2>&1 &
        pid=$!
        sleep 2
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the editor stopped on its own:"
            cat "$folder/output.txt"
            exit 1
        fi
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        if grep -v -e '^QStandardPaths:' "$folder/output.txt"; then
            echo "the editor printed the lines above"
            exit 1
        fi
        echo "Qt's options were left alone"
        ;;
    *)
        echo "usage: $0 no-display|qt-options EDITOR" >&2
        exit 2
        ;;
esac
