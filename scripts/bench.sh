#!/bin/sh
# Installs what is missing, builds the benchmarks with optimisation in ./build-bench, runs every one
# of them and writes bench/RESULTS.md from what they measured. Takes a few minutes; the machine
# should be otherwise idle, as every figure is compared with its baseline from the same run.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev valgrind xvfb openbox jq

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_WERROR=ON \
    -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=ON
cmake --build build-bench

bin=build-bench/bench
results=build-bench/results
rm -rf "$results"
mkdir -p "$results"
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR
started=$(date +%s)
cat /proc/loadavg > "$results/loadavg-start.txt"

runs=40
warmups=5
probes="editor=$bin/startup/editor_probe minimal=$bin/startup/minimal_window_probe
        text=$bin/startup/minimal_text_window_probe"

echo "Start-up, offscreen"
QT_QPA_PLATFORM=offscreen $bin/startup/startup_driver $runs $warmups $probes \
    > "$results/startup-offscreen.json" 2> "$results/startup-offscreen.log"

echo "Start-up, Xvfb with openbox"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" 2> "$results/xvfb.log" &
xvfb_pid=$!
while [ ! -s "$work/display" ]; do sleep 0.1; done
DISPLAY=":$(cat "$work/display")"
export DISPLAY
openbox > "$results/openbox.log" 2>&1 &
wm_pid=$!
sleep 1
QT_QPA_PLATFORM=xcb $bin/startup/startup_driver $runs $warmups $probes \
    > "$results/startup-xcb.json" 2> "$results/startup-xcb.log"
kill "$wm_pid" "$xvfb_pid"
wm_pid=""
xvfb_pid=""
unset DISPLAY

export QT_QPA_PLATFORM=offscreen
# Repetitions in random order, so that a busy spell on the machine falls on every benchmark alike.
gbench="--benchmark_repetitions=10 --benchmark_min_time=0.2 --benchmark_enable_random_interleaving=true
        --benchmark_report_aggregates_only=true --benchmark_format=json"
echo "Settings file"
$bin/settings/bench_settings_file $gbench > "$results/settings.json" 2> "$results/settings.log"
$bin/settings/large_settings_file > "$results/large.json" 2> "$results/large.log"
echo "Dragging and typing"
$bin/interaction/bench_interaction $gbench > "$results/interaction.json" \
    2> "$results/interaction.log"

echo "Instruction counts (callgrind)"
valgrind --tool=callgrind --toggle-collect='*measured*' \
    --callgrind-out-file="$work/workloads.out" $bin/instructions/instruction_workloads \
    > "$results/workloads.json" 2> "$results/workloads.log"
callgrind_annotate --inclusive=yes --threshold=100 "$work/workloads.out" \
    > "$results/callgrind-workloads.txt"
# The editor reads SETTINGS.TXT from its own folder.
mkdir "$work/editor"
cp $bin/startup/editor_probe "$work/editor/"
$bin/startup/typical_settings > "$work/editor/SETTINGS.TXT"
for probe in editor/editor_probe minimal_window_probe minimal_text_window_probe; do
    name=$(basename "$probe")
    case $probe in
        editor/*) program="$work/$probe" ;;
        *) program="$bin/startup/$probe" ;;
    esac
    valgrind --tool=callgrind --callgrind-out-file="$work/$name.out" "$program" \
        > /dev/null 2> "$results/callgrind-$name.log"
    callgrind_annotate --inclusive=yes --threshold=100 "$work/$name.out" \
        > "$results/callgrind-$name.txt"
done

cat /proc/loadavg > "$results/loadavg-end.txt"
echo $(($(date +%s) - started)) > "$results/seconds.txt"
bench/write_results.sh "$results" > bench/RESULTS.md
echo "Wrote bench/RESULTS.md"
