#!/bin/sh
# Installs what is missing, builds the benchmarks with optimisation in ./build-bench, runs them and
# writes bench/RESULTS.md from what they measured, every figure beside its baseline from the same
# run. Takes a few minutes; with --callgrind it also counts instructions (a minute or so more):
# where the editor's start-up goes, and a load and a drag step on the window.
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
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
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

# The editor reads SETTINGS.TXT from its own folder: one folder for each kind of file, the growing
# one written only while its runs go on.
kinds="typical sparse alternating growing fifo device"
hostile=""
for kind in $kinds; do
    mkdir "$work/$kind"
    cp $bin/editor_probe build-bench/src/orvane-pm "$work/$kind/"
    [ "$kind" = growing ] || $bin/make_settings_file "$kind" "$work/$kind/SETTINGS.TXT"
    hostile="$hostile $kind=$work/$kind/editor_probe"
done
typical=$work/typical

# startup PLATFORM: the editor and the floors taking turns, then the editor beside each file.
startup() {
    QT_QPA_PLATFORM=$1 $bin/startup_driver 40 5 "editor=$typical/editor_probe" \
        "controls=$floor controls --print-painted" "text=$floor text --print-painted" \
        > "$results/startup-$1.jsonl" 2> "$results/startup-$1.log"
    $bin/make_settings_file growing "$work/growing/SETTINGS.TXT" &
    pids="$pids $!"
    QT_QPA_PLATFORM=$1 $bin/startup_driver 20 3 $hostile \
        > "$results/hostile-$1.jsonl" 2> "$results/hostile-$1.log"
    kill $!
    wait $! 2>/dev/null || true
}

part "Start-up, offscreen"
startup offscreen

part "Start-up, Xvfb with openbox"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" 2> "$results/xvfb.log" &
pids="$pids $!"
while [ ! -s "$work/display" ]; do sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
openbox > "$results/openbox.log" 2>&1 &
pids="$pids $!"
sleep 1
startup xcb
part "Start-up to the mapped window, with other editors, Xvfb with openbox"
QT_QPA_PLATFORM=xcb $bin/startup_driver --until-mapped 30 3 "editor=$typical/orvane-pm" \
    "controls=$floor controls" "text=$floor text" "l3afpad=l3afpad $typical/SETTINGS.TXT" \
    "featherpad=featherpad $typical/SETTINGS.TXT" > "$results/mapped-xcb.jsonl" \
    2> "$results/mapped-xcb.log"
unset DISPLAY

export QT_QPA_PLATFORM=offscreen
part "In process: loading and dragging"
# Repetitions in random order, so that a busy spell on the machine falls on every benchmark alike.
$bin/bench_in_process --benchmark_repetitions=10 --benchmark_min_time=0.2 \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_format=json > "$results/in_process.json" 2> "$results/in_process.log"

if $callgrind; then
    part "Instruction counts (callgrind)"
    count() {  # NAME COMMAND...: callgrind's inclusive counts of the whole run
        name=$1
        shift
        valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" "$@" \
            > "$results/callgrind-$name.stdout" 2> "$results/callgrind-$name.log"
        callgrind_annotate --inclusive=yes --threshold=100 "$work/$name.out" \
            > "$results/callgrind-$name.txt"
    }
    count workloads --toggle-collect='*measured*' $bin/bench_in_process --callgrind-workloads
    count editor "$typical/editor_probe"
    count controls $floor controls --print-painted
    count text $floor text --print-painted
fi

part "End"
echo $(($(date +%s) - started)) > "$results/seconds.txt"
/usr/bin/python3 bench/write_results.py "$results" > bench/RESULTS.md
echo "Wrote bench/RESULTS.md"
