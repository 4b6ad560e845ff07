#!/bin/sh
# Starts the real editor under Wine from a folder of its own with a settings file beside it, and
# checks that its window comes up and the program stays up without touching the file. With
# --in-place the editor starts where it is, beside the SETTINGS.TXT already there (an unpacked
# package, say); otherwise it is copied to a new folder first.
# Usage: start_editor_wine.sh WINE EDITOR [--in-place]
set -eu
wine=$1
editor=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ "${3:-}" = "--in-place" ]; then
    folder=$(dirname "$editor")
else
    folder=$work
    cp "$editor" "$folder/"
    printf 'JOB=Smoke test\r\nHIGH ALARM=60\r\nLOW ALARM=20\r\nLANGUAGE=1\r\n' > "$folder/SETTINGS.TXT"
fi
[ -f "$folder/SETTINGS.TXT" ] || { echo "no SETTINGS.TXT beside $editor"; exit 1; }
before=$(cksum < "$folder/SETTINGS.TXT")

"$wine" "$folder/$(basename "$editor")" > "$work/output.txt" 2>&1 &
pid=$!
shown=""
for _ in $(seq 1 30); do
    sleep 1
    kill -0 "$pid" 2>/dev/null || break
    if xdotool search --name "Orvane.* PM" > /dev/null 2>&1; then
        shown=yes
        break
    fi
done
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
    echo "the editor stopped on its own:"
    cat "$work/output.txt"
    exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true

[ -n "$shown" ] || { echo "no editor window appeared"; exit 1; }
[ "$(cksum < "$folder/SETTINGS.TXT")" = "$before" ] || { echo "SETTINGS.TXT changed"; exit 1; }
echo "the editor started from $folder, showed its window and ran"
