#!/bin/sh
# Installs what is missing, builds the benchmarks with optimisation in ./build-bench, runs them and
# writes bench/RESULTS.md from what they measured. Takes a few minutes; every figure is compared
# with its baseline from the same run. With --callgrind it also counts instructions (a minute
# or so more): where the editor's start-up goes, and fixed work on the window.
set -eu
cd "$(dirname "$0")/.."
callgrind=false
case "${1-}" in
    --callgrind) callgrind=true ;;
    "") ;;
    *) echo "usage: $0 [--callgrind]" >&2; exit 2 ;;
esac
packages="libbenchmark-dev libxcb1-dev pkg-config python3 xvfb openbox l3afpad featherpad"
if $callgrind; then packages="$packages valgrind"; fi
scripts/install-deps.sh $packages

cmake --preset bench
cmake --build --preset bench

bin=build-bench/bench
floor=$bin/floor_window
results=build-bench/results
rm -rf "$results"
mkdir -p "$results"
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
writer_pid=""
cleanup() {
    [ -z "$writer_pid" ] || kill "$writer_pid" 2>/dev/null || true
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# The same plain environment for every program: no desktop settings, theme or session bus.
export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR DBUS_SESSION_BUS_ADDRESS
started=$(date +%s)
date -u '+%Y-%m-%d %H:%M UTC' > "$results/started.txt"
part() {
    echo "$1"
    echo "$1: $(cut -d' ' -f1-3 /proc/loadavg)" >> "$results/loadavg.txt"
}

# The editor reads SETTINGS.TXT from its own folder; the other programs are given its path.
program=$work/program
mkdir "$program"
cp build-bench/src/orvane-pm $bin/editor_probe "$program/"
$bin/typical_settings > "$program/SETTINGS.TXT"

# stamped PLATFORM: start-up stamps of the editor and the Qt floors, taking turns.
stamped() {
    QT_QPA_PLATFORM=$1 $bin/startup_driver 40 5 "editor=$program/editor_probe" \
        "controls=$floor controls --stamps" "text=$floor text --stamps" \
        "empty=$floor empty --stamps" > "$results/startup-$1.jsonl" 2> "$results/startup-$1.log"
}

# Hostile SETTINGS.TXT files, each beside a probe of its own, with the typical file as the
# baseline.
hostile_kinds="sparse alternating growing fifo device"
hostile_programs="typical=$program/editor_probe"
for kind in $hostile_kinds; do
    mkdir "$work/$kind"
    cp $bin/editor_probe "$work/$kind/"
    hostile_programs="$hostile_programs $kind=$work/$kind/editor_probe"
done
for kind in sparse alternating fifo device; do
    $bin/hostile_settings_file $kind "$work/$kind/SETTINGS.TXT"
done

# hostile PLATFORM: start-up stamps of the editor beside each hostile file, taking turns, while
# the growing file's writer runs.
hostile() {
    $bin/hostile_settings_file growing "$work/growing/SETTINGS.TXT" &
    writer_pid=$!
    QT_QPA_PLATFORM=$1 $bin/startup_driver 20 3 $hostile_programs \
        > "$results/hostile-$1.jsonl" 2> "$results/hostile-$1.log"
    kill "$writer_pid"
    wait "$writer_pid" 2>/dev/null || true
    writer_pid=""
}

part "Start-up, offscreen"
stamped offscreen
part "Start-up beside hostile SETTINGS.TXT files, offscreen"
hostile offscreen

part "Start-up, Xvfb with openbox"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" 2> "$results/xvfb.log" &
xvfb_pid=$!
while [ ! -s "$work/display" ]; do sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
openbox > "$results/openbox.log" 2>&1 &
wm_pid=$!
sleep 1
stamped xcb
part "Start-up beside hostile SETTINGS.TXT files, Xvfb with openbox"
hostile xcb

part "Start-up to the mapped window, with other editors, Xvfb with openbox"
QT_QPA_PLATFORM=xcb $bin/startup_driver --until-mapped 30 3 "editor=$program/orvane-pm" \
    "controls=$floor controls" "text=$floor text" "l3afpad=l3afpad $program/SETTINGS.TXT" \
    "featherpad=featherpad $program/SETTINGS.TXT" > "$results/mapped-xcb.jsonl" \
    2> "$results/mapped-xcb.log"
kill "$wm_pid" "$xvfb_pid"
wm_pid=""
xvfb_pid=""
unset DISPLAY

export QT_QPA_PLATFORM=offscreen
# Repetitions in random order, so that a busy spell on the machine falls on every benchmark alike.
gbench="--benchmark_repetitions=10 --benchmark_min_time=0.2 --benchmark_enable_random_interleaving=true
        --benchmark_report_aggregates_only=true --benchmark_format=json"
part "Settings file"
$bin/bench_settings_file $gbench > "$results/settings.json" 2> "$results/settings.log"
part "Dragging and typing"
$bin/bench_interaction $gbench > "$results/interaction.json" \
    2> "$results/interaction.log"

if $callgrind; then
    part "Instruction counts (callgrind)"
    valgrind --tool=callgrind --toggle-collect='*measured*' \
        --callgrind-out-file="$work/workloads.out" $bin/instruction_workloads \
        > "$results/workloads.json" 2> "$results/workloads.log"
    callgrind_annotate --inclusive=yes --threshold=100 "$work/workloads.out" \
        > "$results/callgrind-workloads.txt"
    for name in editor controls text empty; do
        case $name in
            editor) set -- "$program/editor_probe" ;;
            *) set -- "$floor" $name --stamps ;;
        esac
        valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" "$@" \
            > /dev/null 2> "$results/callgrind-$name.log"
        callgrind_annotate --inclusive=yes --threshold=100 "$work/$name.out" \
            > "$results/callgrind-$name.txt"
    done
fi

part "End"
echo $(($(date +%s) - started)) > "$results/seconds.txt"
/usr/bin/python3 bench/write_results.py "$results" > bench/RESULTS.md
echo "Wrote bench/RESULTS.md"
