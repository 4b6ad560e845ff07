#!/bin/sh
# Remakes the pictures of the boxes in docs/settings-file.md: the real editor under Xvfb with the
# openbox window manager, driven by xdotool, each box photographed over the window.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb openbox xdotool imagemagick x11-utils
scripts/build.sh
docs=$PWD/docs
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; rm -rf "$work"' EXIT
while [ ! -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR
openbox > /dev/null 2>&1 &
sleep 1

typical='JOB=Pump station 3\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+41791234567\r\nLANGUAGE=%s\r\n'

# start LANGUAGE [LOCALE]: the editor from a new folder beside a typical SETTINGS.TXT.
start() {
    folder="$work/pm-$1"
    rm -rf "$folder"
    mkdir -p "$folder"
    cp build/src/orvane-pm "$folder/"
    printf "$typical" "$1" > "$folder/SETTINGS.TXT"
}

run() {
    (cd "$folder" && LC_ALL='' LANG="${1:-en_GB.UTF-8}" exec ./orvane-pm > /dev/null 2>&1) &
    editor=$!
    sleep 2
}

# Clicks the close button at the right end of the window's title bar.
close_window() {
    window=$(xdotool search --onlyvisible --name 'Orvane.* PM$' | head -n 1)
    x=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
    xdotool mousemove $((x + 440)) $((y - 10)) click 1
    sleep 1
}

# shoot NAME: the window with its box as the user sees it, cut from the empty screen around them.
# The wait lets a box that has just gone be painted over.
shoot() {
    sleep 3
    import -window root -trim +repage "$docs/$1.png"
}

finish() {
    kill "$editor"
    wait "$editor" 2> /dev/null || true
}

start 0
run
close_window
shoot box-closing-question
finish

start 2
run de_DE.UTF-8
close_window
shoot box-german-question
finish

start 0
chmod 0444 "$folder/SETTINGS.TXT"
run
close_window
xdotool key Return # Yes
sleep 1
shoot box-save-failed
finish

start 0
truncate -s 300K "$folder/SETTINGS.TXT"  # past the read limit
run
shoot box-partial-read
finish

start 0
run
printf 'JOB=Changed by another program\r\n' > "$folder/SETTINGS.TXT"
close_window
xdotool key Return # Yes
sleep 1
shoot box-changed-on-disk
finish
echo "pictures in $docs/box-*.png"
