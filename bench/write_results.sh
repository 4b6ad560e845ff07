#!/bin/sh
# Writes bench/RESULTS.md, to standard output, from the files scripts/bench.sh left in the given
# results folder. Every figure comes from those files: nothing here is a measurement.
set -eu
results=$1

# --- Reading the results -------------------------------------------------------------------

# startup PLATFORM PROBE STAGE FIELD: milliseconds from the start of the process (FIELD: median,
# p25, p75, min, max).
startup() {
    jq -r --arg p "$2" --arg s "$3" --arg f "$4" \
        '.probes[$p].stages[] | select(.name == $s) | .ms[$f]' "$results/startup-$1.json"
}

# peak PLATFORM PROBE FIELD: VmHWM in KiB.
peak() {
    jq -r --arg p "$2" --arg f "$3" '.probes[$p].peak_kib[$f]' "$results/startup-$1.json"
}

# gbench FILE RUN AGGREGATE FIELD UNIT: a Google Benchmark figure in UNIT (ns, us or ms).
gbench() {
    jq -r --arg r "$2" --arg a "$3" --arg f "$4" --arg u "$5" '
        def scale: {"ns": 1, "us": 1000, "ms": 1000000, "s": 1000000000}[.];
        .benchmarks[] | select(.run_name == $r and .aggregate_name == $a)
        | .[$f] * (.time_unit | scale) / ($u | scale)' "$results/$1.json"
}

large() {
    jq -r ".$1" "$results/large.json"
}

# inclusive FILE FUNCTION: callgrind's inclusive instruction count of a function ("total" for the
# whole program); of a function that recurses, its outermost entry, which includes the others.
inclusive() {
    awk -v name="$2" -v quote="'" '
        name == "total" && /PROGRAM TOTALS/ { gsub(",", "", $1); print $1; found = 1; exit }
        {
            line = $0
            start = index(line, ":")
            if (start == 0) next
            rest = substr(line, start + 1)
            cut = index(rest, " [")
            if (cut > 0) rest = substr(rest, 1, cut - 1)
            sub(quote "[0-9]+$", "", rest)
            if (rest == name) {
                count = $1
                gsub(",", "", count)
                if (count + 0 > most) most = count + 0
                found = 1
            }
        }
        END { if (!found) print "n/a"; else if (name != "total") print most }
    ' "$results/$1"
}

# measured FUNCTION_PREFIX: inclusive count of a workload function in callgrind-workloads.txt.
measured() {
    awk -v prefix="(anonymous namespace)::$1(" '
        { at = index($0, "???:" prefix); if (at > 0) { count = $1; gsub(",", "", count); print count; exit } }
    ' "$results/callgrind-workloads.txt"
}

# --- Formatting ----------------------------------------------------------------------------

fmt() {  # fmt DECIMALS NUMBER
    awk -v d="$1" -v n="$2" 'BEGIN { printf "%.*f", d, n }'
}
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f×", a / b }'
}
mib() {
    awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'
}
diff_mib() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.1f MiB", (a - b) / 1024 }'
}
millions() {
    awk -v n="$1" 'BEGIN { if (n == "n/a") print "n/a"; else printf "%.1f M", n / 1000000 }'
}
thousands() {
    awk -v n="$1" -v per="$2" 'BEGIN { printf "%.0f k", n / per / 1000 }'
}
met() {  # met CONDITION_AS_AWK_EXPRESSION
    awk "BEGIN { print ($1) ? \"**yes**\" : \"**no**\" }"
}

# --- The report ----------------------------------------------------------------------------

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
cores=$(grep -c '^processor' /proc/cpuinfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
compiler=$(c++ --version | head -n 1)
benchmark=$(dpkg-query -W -f='${Version}' libbenchmark-dev 2>/dev/null || echo unknown)
valgrind_version=$(valgrind --version)
fs=$(df -T "${TMPDIR:-/tmp}" | awk 'NR == 2 { print $2 }')

cat <<EOF
# Benchmark results

Written by \`scripts/bench.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'). Every figure below was
measured in that one run, beside its baseline from the same run; nothing is copied from elsewhere.
Run \`scripts/bench.sh\` again to refresh this file.

## Machine

- CPU: $cpu, $cores logical cores
- System: $(uname -srvmo)
- Qt $qt (Debian), $compiler, Release build (-O3), Google Benchmark $benchmark, $valgrind_version
- Temporary files on $fs; load average at the start $(cut -d' ' -f1-3 "$results/loadavg-start.txt"), at the end $(cut -d' ' -f1-3 "$results/loadavg-end.txt")
- The benchmarks took $(cat "$results/seconds.txt") s, after the build.

EOF

e_off=$(startup offscreen editor painted median)
m_off=$(startup offscreen minimal painted median)
e_xcb=$(startup xcb editor painted median)
m_xcb=$(startup xcb minimal painted median)
pe_off=$(peak offscreen editor median)
pm_off=$(peak offscreen minimal median)
pe_xcb=$(peak xcb editor median)
pm_xcb=$(peak xcb minimal median)
load=$(gbench settings LoadSettings_TypicalFile median real_time us)
read_bytes=$(gbench settings ReadBytes_TypicalFile median real_time us)
save_sync=$(gbench settings SaveSettings_WithSync/real_time median real_time ms)
write_sync=$(gbench settings WriteBytes/WithSync/real_time median real_time ms)
save_nosync=$(gbench settings SaveSettings_WithoutSync/real_time median real_time us)
write_nosync=$(gbench settings WriteBytes/WithoutSync/real_time median real_time us)
large_load=$(large load_ms)
large_read=$(large read_ms)
large_growth=$(large load_growth_kib)
read_growth=$(large read_growth_kib)
position=$(gbench interaction 'DragPosition<Editor>' median real_time us)
position_plain=$(gbench interaction 'DragPosition<Plain>' median real_time us)
drag=$(gbench interaction 'WholeDrag<Editor>' median real_time ms)
drag_plain=$(gbench interaction 'WholeDrag<Plain>' median real_time ms)
typed=$(gbench interaction 'TypeCharacter<Editor>' median real_time us)
typed_plain=$(gbench interaction 'TypeCharacter<Plain>' median real_time us)

cat <<EOF
## Figures and targets

Start-up and memory: medians of $(jq .runs "$results/startup-offscreen.json") runs per program.
In-process figures: medians of $(jq -r '.benchmarks[0].repetitions' "$results/settings.json") repetitions, wall time.

| Figure | Editor | Baseline | Editor against baseline | Target | Met |
|---|---|---|---|---|---|
| Start-up to the first painted window, offscreen | $(fmt 1 "$e_off") ms | $(fmt 1 "$m_off") ms, empty window | $(ratio "$e_off" "$m_off") | ≤ 1.15× | $(met "$e_off <= 1.15 * $m_off") |
| Start-up to the first painted window, Xvfb + openbox | $(fmt 1 "$e_xcb") ms | $(fmt 1 "$m_xcb") ms, empty window | $(ratio "$e_xcb" "$m_xcb") | ≤ 1.15× | $(met "$e_xcb <= 1.15 * $m_xcb") |
| Peak resident memory once painted, offscreen | $(mib "$pe_off") | $(mib "$pm_off"), empty window | $(diff_mib "$pe_off" "$pm_off") | ≤ +3 MiB | $(met "$pe_off - $pm_off <= 3072") |
| Peak resident memory once painted, Xvfb + openbox | $(mib "$pe_xcb") | $(mib "$pm_xcb"), empty window | $(diff_mib "$pe_xcb" "$pm_xcb") | ≤ +3 MiB | $(met "$pe_xcb - $pm_xcb <= 3072") |
| Load a typical SETTINGS.TXT into the window | $(fmt 1 "$load") µs | $(fmt 1 "$read_bytes") µs, read its bytes only | +$(fmt 1 "$(awk -v a="$load" -v b="$read_bytes" 'BEGIN { print a - b }')") µs | < 50 µs | $(met "$load < 50") |
| Save, flushed to disk (QSaveFile) | $(fmt 2 "$save_sync") ms | $(fmt 2 "$write_sync") ms, write + fdatasync + rename of the bytes | $(ratio "$save_sync" "$write_sync") | none | – |
| Save without the flush | $(fmt 0 "$save_nosync") µs | $(fmt 0 "$write_nosync") µs, write + rename of the bytes | $(ratio "$save_nosync" "$write_nosync") | none | – |
| Load a 100 MB single-line SETTINGS.TXT: time | $(fmt 1 "$large_load") ms | $(fmt 1 "$large_read") ms, read its bytes only | $(ratio "$large_load" "$large_read") | < 500 ms | $(met "$large_load < 500") |
| Load a 100 MB single-line SETTINGS.TXT: extra peak memory | $large_growth KiB | $read_growth KiB, read its bytes only | | < 4 MiB | $(met "$large_growth < 4096") |
| One reported position of a thumb drag, repainted | $(fmt 1 "$position") µs | $(fmt 1 "$position_plain") µs, plain scroll bar | $(ratio "$position" "$position_plain") | < 200 µs | $(met "$position < 200") |
| Whole drag 0 → 100 → 0 (200 positions), repainted | $(fmt 2 "$drag") ms | $(fmt 2 "$drag_plain") ms, plain scroll bar | $(ratio "$drag" "$drag_plain") | none | – |
| One character typed into the job description, repainted | $(fmt 1 "$typed") µs | $(fmt 1 "$typed_plain") µs, plain line edit | $(ratio "$typed" "$typed_plain") | none | – |

EOF

t_off=$(startup offscreen text painted median)
t_xcb=$(startup xcb text painted median)
pt_off=$(peak offscreen text median)
pt_xcb=$(peak xcb text median)
cat <<EOF
## The floor under the start-up targets

An empty window never draws text, so Qt never starts the font system for it (fontconfig reads its
configuration and font cache, FreeType opens a font). The same window with one line of text, in
the same run, shows what any window with text pays before the editor does anything of its own:

| | Empty window | With one line of text | Editor |
|---|---|---|---|
| Start-up to first paint, offscreen | $(fmt 1 "$m_off") ms | $(fmt 1 "$t_off") ms ($(ratio "$t_off" "$m_off")) | $(fmt 1 "$e_off") ms ($(ratio "$e_off" "$m_off"); $(ratio "$e_off" "$t_off") of the text window) |
| Start-up to first paint, Xvfb + openbox | $(fmt 1 "$m_xcb") ms | $(fmt 1 "$t_xcb") ms ($(ratio "$t_xcb" "$m_xcb")) | $(fmt 1 "$e_xcb") ms ($(ratio "$e_xcb" "$m_xcb"); $(ratio "$e_xcb" "$t_xcb") of the text window) |
| Peak memory, offscreen | $(mib "$pm_off") | $(mib "$pt_off") ($(diff_mib "$pt_off" "$pm_off")) | $(mib "$pe_off") ($(diff_mib "$pe_off" "$pm_off"); $(diff_mib "$pe_off" "$pt_off") over the text window) |
| Peak memory, Xvfb + openbox | $(mib "$pm_xcb") | $(mib "$pt_xcb") ($(diff_mib "$pt_xcb" "$pm_xcb")) | $(mib "$pe_xcb") ($(diff_mib "$pe_xcb" "$pm_xcb"); $(diff_mib "$pe_xcb" "$pt_xcb") over the text window) |

## Start-up in detail

Milliseconds from the start of the process (the driver's fork) to each stage: median, quartiles
and extremes. *main*: main() entered, after the program and its libraries were loaded;
*application*: QApplication made (for the editor: with its style and font substitution);
*shown*: the window built, filled and shown (for the editor: \`orvane::Main\` returned);
*painted*: the first paint of the window drawn and flushed.

| Platform | Program | main | application | shown | painted (p25–p75, min–max) | Peak memory (min–max) |
|---|---|---|---|---|---|---|
EOF
for platform in offscreen xcb; do
    for probe in minimal text editor; do
        name=$(case $probe in minimal) echo "empty window" ;; text) echo "window with text" ;;
               editor) echo "editor" ;; esac)
        echo "| $platform | $name | $(fmt 1 "$(startup $platform $probe main median)") |" \
             "$(fmt 1 "$(startup $platform $probe application median)") |" \
             "$(fmt 1 "$(startup $platform $probe shown median)") |" \
             "$(fmt 1 "$(startup $platform $probe painted median)")" \
             "($(fmt 1 "$(startup $platform $probe painted p25)")–$(fmt 1 "$(startup $platform $probe painted p75)"), $(fmt 1 "$(startup $platform $probe painted min)")–$(fmt 1 "$(startup $platform $probe painted max)")) |" \
             "$(mib "$(peak $platform $probe median)") ($(mib "$(peak $platform $probe min)")–$(mib "$(peak $platform $probe max)")) |"
    done
done

editor_cg=callgrind-editor_probe.txt
cat <<EOF

Where the editor's instructions go, offscreen, counted by callgrind in one run of the start-up
probe (inclusive counts: a line includes the lines indented under it; the run ends with the
teardown after the first paint, which is in the totals only):

| Part of the start-up | Instructions |
|---|---|
| Whole run, editor | $(millions "$(inclusive $editor_cg total)") |
| Whole run, window with one line of text | $(millions "$(inclusive callgrind-minimal_text_window_probe.txt total)") |
| Whole run, empty window | $(millions "$(inclusive callgrind-minimal_window_probe.txt total)") |
| Loading the program and its libraries (\`_dl_start\`) | $(millions "$(inclusive $editor_cg _dl_start)") |
| QApplication | $(millions "$(inclusive $editor_cg 'QApplication::QApplication(int&, char**, int)')") |
| Style and font substitution (\`QtToolkit\`) | $(millions "$(inclusive $editor_cg 'orvane::platform::qt::QtToolkit::QtToolkit()')") |
| \`orvane::Main\`: build, fill and show the window | $(millions "$(inclusive $editor_cg 'orvane::Main(orvane::platform::Services const&)')") |
| &nbsp;&nbsp;building the window (\`Form1\`, the controls) | $(millions "$(inclusive $editor_cg 'orvane::Form1::Form1(orvane::platform::Services const&)')") |
| &nbsp;&nbsp;&nbsp;&nbsp;finding the font (\`QFontDatabasePrivate::findFont\`) | $(millions "$(inclusive $editor_cg 'QFontDatabasePrivate::findFont(QFontDef const&, int, bool)')") |
| &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;of which starting fontconfig and listing the fonts | $(millions "$(inclusive $editor_cg 'QFontDatabasePrivate::ensureFontDatabase()')") |
| &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;of which the fallbacks for Verdana, which is missing | $(millions "$(inclusive $editor_cg 'QFontconfigDatabase::fallbacksForFamily(QString const&, QFont::Style, QFont::StyleHint, QChar::Script) const')") |
| &nbsp;&nbsp;&nbsp;&nbsp;the pictures (\`pictureIcon\`) | $(millions "$(inclusive $editor_cg 'orvane::platform::qt::pictureIcon(orvane::platform::Picture)')") |
| &nbsp;&nbsp;loading SETTINGS.TXT (\`LoadSettings\`) | $(millions "$(inclusive $editor_cg 'orvane::LoadSettings(orvane::EditorState&, std::basic_string_view<char16_t, std::char_traits<char16_t> >)')") |
| &nbsp;&nbsp;relabelling (\`refreshCaptions\`, every call, also those within the load) | $(millions "$(inclusive $editor_cg 'orvane::Form1::refreshCaptions()')") |
| &nbsp;&nbsp;showing (\`QtWindow::show\`) | $(millions "$(inclusive $editor_cg 'orvane::platform::qt::QtWindow::show()')") |
| Event loop to the first paint (\`QCoreApplication::exec\`) | $(millions "$(inclusive $editor_cg 'QCoreApplication::exec()')") |

EOF

loads=$(jq .loads "$results/workloads.json")
positions=$(jq .drag_positions "$results/workloads.json")
characters=$(jq .characters "$results/workloads.json")
cat <<EOF
## Instruction counts

Steadier than wall time on a shared machine: callgrind's count of the instructions of fixed work
on the real window and on the plain one (\`bench/instructions\`), per unit of work.

| Work | Editor | Plain Qt window |
|---|---|---|
| Load a typical SETTINGS.TXT into the window (the two typical files in turn) | $(thousands "$(measured measuredLoads)" "$loads") | – |
| One position of a whole drag 0 → 100 → 0, repainted | $(thousands "$(measured measuredEditorDrag)" "$positions") | $(thousands "$(measured measuredPlainDrag)" "$positions") |
| One character typed into the job description, repainted | $(thousands "$(measured measuredEditorTyping)" "$characters") | $(thousands "$(measured measuredPlainTyping)" "$characters") |

## Spread of the in-process figures

Median and standard deviation over the repetitions, which ran in random order among those of the
other benchmarks of the same program; wall time and CPU time of the benchmark's thread.

| Benchmark | Wall median | Wall std. dev. | CPU median |
|---|---|---|---|
EOF
for file in settings interaction; do
    jq -r '.benchmarks[] | select(.aggregate_name == "median") | .run_name' "$results/$file.json" |
        while read -r run; do
            unit=$(jq -r --arg r "$run" 'first(.benchmarks[] | select(.run_name == $r)) | .time_unit' \
                "$results/$file.json")
            echo "| \`$run\` | $(fmt 2 "$(gbench $file "$run" median real_time "$unit")") $unit |" \
                 "$(fmt 2 "$(gbench $file "$run" stddev real_time "$unit")") $unit |" \
                 "$(fmt 2 "$(gbench $file "$run" median cpu_time "$unit")") $unit |"
        done
done

cat <<EOF

## Method

- **Start-up.** \`bench/startup/startup_driver\` starts each program $(jq .warmups "$results/startup-offscreen.json") times to warm up and then
  $(jq .runs "$results/startup-offscreen.json") times, the programs taking turns, each from a folder of its own holding a typical
  seven-line SETTINGS.TXT. It reads the monotonic clock just before it forks a program; the
  program (a probe) reads the same clock at each stage and prints the stamps. The editor's probe
  runs the program's own start-up (\`startDesktop\` and \`orvane::Main\` with the real Qt
  services) and is otherwise the editor; the baselines are the smallest Qt Widgets programs that
  show a window of the editor's size (450 × 361), empty or with one line of text. *Painted*
  is taken from the event loop right after the window's first paint event, once the paint has
  been drawn and flushed. The probes quit there, so their teardown is not measured.
- **Platforms.** Offscreen is Qt's headless platform (\`QT_QPA_PLATFORM=offscreen\`); xcb runs
  on Xvfb with the openbox window manager, so the window is mapped and framed as on a desktop.
  No platform theme, \`LC_ALL=C.UTF-8\`.
- **Memory.** VmHWM from \`/proc/self/status\`, read by each probe once its window was painted.
- **Settings file** (\`bench/settings\`, Google Benchmark, in process on the real window started
  by \`orvane::Main\`). Loading alternates between two typical files whose every value differs,
  so each load changes every control. QSaveFile always flushes the new file's data to disk
  (fdatasync) before it renames it over the old one, and offers no way not to; the save without
  the flush is the same encoding and the same new file renamed over the old one, written
  directly. On ext4 a rename over an existing file also starts writing the new file's data
  back, so even the unflushed save waits for the disk in part. Both baselines write the same
  bytes, already encoded, the same way (\`open\`, \`write\`, \`fdatasync\` or not, \`rename\`).
  The 100 MB file (\`large_settings_file\`, a process of its own) is one line of 100 MB after
  \`JOB=\`; the time is the median of 5 loads from the page cache, the memory the rise of
  VmHWM over the first load; its baseline reads the same bytes in the same 64 KiB chunks.
- **Interaction** (\`bench/interaction\`). A drag is driven by Qt Test mouse events on the low
  alarm's thumb, pressed at the thumb's centre and moved to where each value is reached; both
  alarms start at 0, so each step up pushes the high alarm along (both rules, two caption
  refreshes). After each position the window's pending repaint is done at once by an
  UpdateRequest, as the event loop would do next. Typing sends key events for "a" to the job
  description, each checked by its rule. The baseline is a plain window of the same size and
  font with a QScrollBar and a QLineEdit in the same places and no handlers.
- Debian's Google Benchmark library is built without NDEBUG and says so in its output; this
  adds to its own bookkeeping only, not to the code measured.
EOF
