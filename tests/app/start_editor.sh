#!/bin/sh
# Starts the real editor, headless, from a folder of its own with a settings file beside it, and
# checks that it comes up and stays up without complaint: start_editor.sh EDITOR [ARGUMENT...].
# Arguments go on its command line; the editor takes none, so they must change nothing. PLANT names
# a folder whose files are put beside the editor; PLATFORMS, the platforms Qt tries in turn.
set -eu
editor=$1
shift
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$editor" "$folder/"
[ -z "${PLANT:-}" ] || cp -R "$PLANT/." "$folder/"
printf 'JOB=Smoke test\r\nHIGH ALARM=60\r\nLOW ALARM=20\r\nLANGUAGE=1\r\n' > "$folder/SETTINGS.TXT"
before=$(cksum < "$folder/SETTINGS.TXT")

# No display either, so that a Qt option obeyed (say "-platform xcb") would stop the editor.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="${PLATFORMS:-offscreen}" \
    "$folder/$(basename "$editor")" "$@" > "$folder/output.txt" 2>&1 &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
    echo "the editor stopped on its own:"
    cat "$folder/output.txt"
    exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true

# Starting never writes the settings file, and nothing but Qt's notes may be printed.
[ "$(cksum < "$folder/SETTINGS.TXT")" = "$before" ] || { echo "SETTINGS.TXT changed"; exit 1; }
if grep -v -e '^QStandardPaths:' "$folder/output.txt"; then
    echo "the editor printed the lines above"
    exit 1
fi
echo "the editor started and ran"
