#!/bin/sh
# Saves the way a technician does, in an X session with a window manager: starts the editor with
# COMMAND, waits for its window, closes it and answers Yes to "Save the settings before you
# exit?", then waits for the editor to end. Fails when no window comes or the editor stays.
# Usage: scripts/close-and-save.sh COMMAND [ARGUMENT...]
set -eu
"$@" &
editor=$!
window=""
for _ in $(seq 1 60); do
    sleep 0.5
    kill -0 "$editor" 2> /dev/null || { echo "the editor ended before its window came"; exit 1; }
    window=$(xdotool search --onlyvisible --name 'Orvane.* PM$' 2> /dev/null | head -n 1) || true
    [ -z "$window" ] || break
done
[ -n "$window" ] || { kill "$editor"; echo "no editor window came"; exit 1; }
sleep 1
xdotool windowactivate --sync "$window" key alt+F4
sleep 2
xdotool key Return # Yes, the closing question's default
for _ in $(seq 1 20); do
    kill -0 "$editor" 2> /dev/null || break
    sleep 0.5
done
if kill -0 "$editor" 2> /dev/null; then
    kill "$editor"
    echo "the editor was still open after Yes to the closing question"
    exit 1
fi
status=0
wait "$editor" || status=$?
[ "$status" -eq 0 ] || { echo "the editor ended with status $status"; exit 1; }
