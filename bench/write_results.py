#!/usr/bin/python3
"""Writes bench/RESULTS.md, to standard output, from the files scripts/bench.sh left in the
results folder given. Every figure comes from those files: nothing here is a measurement."""

import json
import os
import re
import statistics
import subprocess
import sys
from pathlib import Path

results = Path(sys.argv[1])
PLATFORMS = {"offscreen": "offscreen", "xcb": "Xvfb + openbox"}
NAMES = {"editor": "editor", "controls": "sixteen stock controls", "text": "one line of text",
         "empty": "empty window", "l3afpad": "l3afpad", "featherpad": "featherpad"}
HOSTILE = {"sparse": "a sparse 10 GB file",
           "alternating": "100 MB of lines LANGUAGE=1 and LANGUAGE=2 in turn",
           "growing": "a file growing while it is read", "fifo": "a named pipe",
           "device": "a device node (/dev/zero)"}


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout.strip()


def package(name):
    return run("dpkg-query", "-W", "-f=${Version}", name) or "unknown"


def startup_runs(name):
    """Per program, in the order they ran: each stage's and the memory peak's measured values."""
    programs, warmups = {}, 0
    for line in (results / name).read_text().splitlines():
        measured = json.loads(line)
        warmups += measured["warmup"]
        if not measured["warmup"]:
            values = programs.setdefault(measured["program"], {"peak_kib": []})
            values["peak_kib"].append(measured["peak_kib"])
            for stage, ms in measured["ms"].items():
                values.setdefault(stage, []).append(ms)
    return {"programs": programs, "warmups": warmups // len(programs),
            "runs": len(next(iter(programs.values()))["peak_kib"])}


startup = {"offscreen": startup_runs("startup-offscreen.jsonl"),
           "xcb": startup_runs("startup-xcb.jsonl"), "mapped": startup_runs("mapped-xcb.jsonl"),
           "hostile-offscreen": startup_runs("hostile-offscreen.jsonl"),
           "hostile-xcb": startup_runs("hostile-xcb.jsonl")}
gbench = {}  # run name -> aggregate name -> benchmark
for name in ("settings.json", "interaction.json"):
    for benchmark in json.loads((results / name).read_text())["benchmarks"]:
        gbench.setdefault(benchmark["run_name"], {})[benchmark["aggregate_name"]] = benchmark


def median(data, program, stage):
    return statistics.median(startup[data]["programs"][program][stage])


def spread(data, program, stage):
    values = startup[data]["programs"][program][stage]
    low, middle, high = statistics.quantiles(values, n=4, method="inclusive")
    return f"{middle:.1f} ({low:.1f}–{high:.1f}, {min(values):.1f}–{max(values):.1f})"


def us(name, aggregate="median", field="real_time"):
    benchmark = gbench[name][aggregate]
    return benchmark[field] * {"ns": 1e-3, "us": 1, "ms": 1e3, "s": 1e6}[benchmark["time_unit"]]


def duration(us):
    return f"{us / 1000:.2f} ms" if us >= 1000 else f"{us:.1f} µs"


def mib(kib):
    return f"{kib / 1024:.1f} MiB"


def more_mib(kib, base):
    return f"{(kib - base) / 1024:+.1f} MiB"


def times(value, base, decimals=2):
    return f"{value / base:.{decimals}f}×"


def met(condition):
    return "–" if condition is None else ("**yes**" if condition else "**no**")


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    return "\n".join(lines + ["| " + " | ".join(row) + " |" for row in rows])


def targets():
    rows = []
    for platform, label in PLATFORMS.items():
        editor, text, controls = (median(platform, program, "painted")
                                  for program in ("editor", "text", "controls"))
        figure = f"Start-up to the first painted window, {label}"
        rows += [[figure, f"{editor:.1f} ms", f"{text:.1f} ms, one line of text",
                  times(editor, text, 3), "≤ 1.15×", met(editor <= 1.15 * text)],
                 [figure, f"{editor:.1f} ms", f"{controls:.1f} ms, sixteen stock controls",
                  times(editor, controls, 3), "below", met(editor < controls)]]
    for platform, label in PLATFORMS.items():
        editor, text = (median(platform, program, "peak_kib") for program in ("editor", "text"))
        rows.append([f"Peak memory once painted, {label}", mib(editor),
                     f"{mib(text)}, one line of text", more_mib(editor, text), "≤ +1.5 MiB",
                     met(editor - text <= 1.5 * 1024)])
    editor, l3afpad = (median("mapped", program, "peak_kib") for program in ("editor", "l3afpad"))
    rows.append(["Peak memory once mapped, Xvfb + openbox (stretch)", mib(editor),
                 f"{mib(l3afpad)}, l3afpad", more_mib(editor, l3afpad), "≤ l3afpad",
                 met(editor <= l3afpad)])
    step, plain, load, read = (us(name) for name in ("DragPosition<Editor>", "DragPosition<Plain>",
                                                     "LoadSettings_TypicalFile",
                                                     "ReadBytes_TypicalFile"))
    rows += [
        ["One reported position of a thumb drag, repainted", duration(step),
         f"{duration(plain)}, plain scroll bar", times(step, plain, 3), "≤ 2×",
         met(step <= 2 * plain)],
        ["One reported position of a thumb drag, repainted", duration(step), "–", "–",
         "< 200 µs", met(step < 200)],
        ["Load a typical SETTINGS.TXT into the window", duration(load),
         f"{duration(read)}, read its bytes only", f"+{duration(load - read)}", "< 50 µs",
         met(load < 50)]]
    for platform, label in PLATFORMS.items():
        data = f"hostile-{platform}"
        typical = median(data, "typical", "painted")
        for kind, name in HOSTILE.items():
            painted = median(data, kind, "painted")
            rows.append([f"Start-up to the first painted window, SETTINGS.TXT is {name}, {label}",
                         f"{painted:.1f} ms", f"{typical:.1f} ms, typical SETTINGS.TXT",
                         times(painted, typical), "< 1 s", met(painted < 1000)])
    for figure, name, baseline, what in [
            ("Save, flushed to disk", "SaveSettings_WithSync/real_time",
             "WriteBytes/WithSync/real_time", "write + fsync + rename + fsync of the folder"),
            ("Save without the flushes", "SaveSettings_WithoutSync/real_time",
             "WriteBytes/WithoutSync/real_time", "write + rename of the bytes"),
            ("Whole drag 0 → 100 → 0 (200 positions), repainted", "WholeDrag<Editor>",
             "WholeDrag<Plain>", "plain scroll bar"),
            ("One character typed into the job description, repainted", "TypeCharacter<Editor>",
             "TypeCharacter<Plain>", "plain line edit")]:
        rows.append([figure, duration(us(name)), f"{duration(us(baseline))}, {what}",
                     times(us(name), us(baseline)), "none", met(None)])
    return table(["Figure", "Editor", "Baseline", "Editor against baseline", "Target", "Met"],
                 rows)


def mapped():
    editor = median("mapped", "editor", "mapped")
    versions = {"l3afpad": f" {package('l3afpad')}", "featherpad": f" {package('featherpad')}"}
    rows = [[NAMES[program] + versions.get(program, ""), spread("mapped", program, "mapped"),
             times(median("mapped", program, "mapped"), editor),
             mib(median("mapped", program, "peak_kib"))]
            for program in startup["mapped"]["programs"]]
    return table(["Program", "Window mapped, ms: median (p25–p75, min–max)",
                  "Against the editor", "Peak memory once mapped"], rows)


def hostile():
    rows = []
    for kind in ["typical"] + list(HOSTILE):
        rows.append([HOSTILE.get(kind, "a typical file (baseline)")] +
                    [spread(f"hostile-{platform}", kind, "painted") for platform in PLATFORMS] +
                    [mib(median(f"hostile-{platform}", kind, "peak_kib"))
                     for platform in PLATFORMS])
    return table(["SETTINGS.TXT"] +
                 [f"Painted, ms, {label}: median (p25–p75, min–max)"
                  for label in PLATFORMS.values()] +
                 [f"Peak memory, {label}" for label in PLATFORMS.values()], rows)


def detail():
    rows = []
    for platform, label in PLATFORMS.items():
        text_ms, text_kib = (median(platform, "text", stage) for stage in ("painted", "peak_kib"))
        for program in ("empty", "text", "controls", "editor"):
            painted, kib = (median(platform, program, stage) for stage in ("painted", "peak_kib"))
            rows.append([label, NAMES[program]] +
                        [f"{median(platform, program, stage):.1f}"
                         for stage in ("main", "application", "shown")] +
                        [spread(platform, program, "painted"), times(painted, text_ms),
                         f"{mib(kib)} ({more_mib(kib, text_kib)})"])
    return table(["Platform", "Window", "main", "application", "shown",
                  "painted (p25–p75, min–max)", "painted against one line of text",
                  "Peak memory (against one line of text)"], rows)


def in_process_spread():
    return table(["Benchmark", "Wall median", "Wall std. dev.", "CPU median"],
                 [[f"`{name}`", duration(us(name)), duration(us(name, "stddev")),
                   duration(us(name, field="cpu_time"))] for name in gbench])


# A line of callgrind_annotate --inclusive=yes: count, share, file:function, then maybe a
# recursion depth ('2) and the object [lib].
ANNOTATED = re.compile(r"^\s*([\d,]+) \([^)]*\)\s+[^:]*:(.*?)(?:'\d+)?(?: \[[^\]]*\])?$")


def inclusive(name, function):
    """Callgrind's inclusive count, in one run, of the first function whose name starts with
    `function` (of one that recurses, its outermost entry); of the whole run for "total"."""
    found = 0
    for line in (results / f"callgrind-{name}.txt").read_text().splitlines():
        if function == "total" and "PROGRAM TOTALS" in line:
            return int(line.split()[0].replace(",", ""))
        match = ANNOTATED.match(line)
        if match and match[2].startswith(function):
            found = max(found, int(match[1].replace(",", "")))
    return found


def instructions():
    def millions(name, function):
        return f"{inclusive(name, function) / 1e6:.1f} M"

    rows = [[f"Whole run, {NAMES[program]}", millions(program, "total")]
            for program in ("editor", "controls", "text", "empty")]
    for depth, part, function in [
            (0, "Loading the program and its libraries (`_dl_start`)", "_dl_start"),
            (0, "QApplication", "QApplication::QApplication("),
            (0, "Style and font substitution (`QtToolkit`)",
             "orvane::platform::qt::QtToolkit::QtToolkit("),
            (0, "`orvane::Main`: build, fill and show the window", "orvane::Main("),
            (1, "building the window (`Form1`, the controls)", "orvane::Form1::Form1("),
            (2, "finding the font (`QFontDatabasePrivate::findFont`)",
             "QFontDatabasePrivate::findFont("),
            (3, "of which starting fontconfig and listing the fonts",
             "QFontDatabasePrivate::ensureFontDatabase("),
            (3, "of which the fallbacks for Verdana, which is missing",
             "QFontconfigDatabase::fallbacksForFamily("),
            (2, "the pictures (`pictureIcon`)", "orvane::platform::qt::pictureIcon("),
            (1, "loading SETTINGS.TXT (`LoadSettings`)", "orvane::LoadSettings("),
            (1, "relabelling (`refreshCaptions`, every call, also those within the load)",
             "orvane::Form1::refreshCaptions("),
            (1, "showing (`QtWindow::show`)", "orvane::platform::qt::QtWindow::show("),
            (0, "Event loop to the first paint (`QCoreApplication::exec`)",
             "QCoreApplication::exec(")]:
        rows.append(["&nbsp;&nbsp;" * depth + part, millions("editor", function)])

    work = json.loads((results / "workloads.json").read_text())

    def per(function, unit):
        return f"{inclusive('workloads', function) / work[unit] / 1000:.0f} k"

    measured = "(anonymous namespace)::measured"
    workloads = [
        ["Load a typical SETTINGS.TXT into the window (the two typical files in turn)",
         per(measured + "Loads(", "loads"), "–"],
        ["One position of a whole drag 0 → 100 → 0, repainted"] +
        [per(f"int {measured}Drag<orvane::bench::{target}>", "drag_positions")
         for target in ("EditorTarget", "PlainTarget")],
        ["One character typed into the job description, repainted"] +
        [per(f"void {measured}Typing<orvane::bench::{target}>", "characters")
         for target in ("EditorTarget", "PlainTarget")]]
    return f"""## Where the editor's instructions go

Offscreen, counted by callgrind in one run of each start-up probe (inclusive counts: a line
includes the lines indented under it; each run ends with the teardown after the first paint,
which is in the whole-run totals only):

{table(["Part of the start-up", "Instructions"], rows)}

## Instruction counts

Steadier than wall time on a shared machine: callgrind's count of the instructions of fixed work
on the real window and on its stock controls (`bench/instructions`), per unit of work.

{table(["Work", "Editor", "Stock controls"], workloads)}
"""


NO_INSTRUCTIONS = """## Instruction counts

This run counted no instructions. `scripts/bench.sh --callgrind` adds callgrind's breakdown of
where the editor's start-up instructions go (loading, QApplication, building the window, the font,
the pictures, loading SETTINGS.TXT, the first paint) and the instructions of a load, a drag
position and a typed character on the editor and on its stock controls.
"""

callgrind = (results / "callgrind-editor.txt").exists()
compiler = run("c++", "--version").splitlines()[0]
cpu = next(line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
           if line.startswith("model name"))
loadavg = "".join(f"\n  - {line}" for line in (results / "loadavg.txt").read_text().splitlines())
runs, warmups = ({data: startup[data][key] for data in ("offscreen", "mapped")}
                 for key in ("runs", "warmups"))
repetitions = next(iter(gbench.values()))["median"]["repetitions"]

print(f"""# Benchmark results

Written by `scripts/bench.sh{' --callgrind' if callgrind else ''}` from its run of \
{(results / 'started.txt').read_text().strip()}.
Every figure below was measured in that one run, beside its baseline from the same run; nothing
is copied from elsewhere. Run `scripts/bench.sh` again to refresh this file.

## Machine

- CPU: {cpu}, {os.cpu_count()} logical cores
- System: {' '.join(os.uname()[i] for i in (0, 2, 3, 4))}
- Qt {package('libqt6core6')} (Debian), {compiler}, Release build (-O3), Google Benchmark \
{package('libbenchmark-dev')}{', ' + run('valgrind', '--version') if callgrind else ''}
- Temporary files on {run('df', '-T', os.environ.get('TMPDIR', '/tmp')).split()[-6]}
- Load average (1, 5, 15 min) at the start of each part:{loadavg}
- The benchmarks took {(results / 'seconds.txt').read_text().strip()} s, after the build.

## Figures and targets

Start-up and memory: medians of {runs['offscreen']} runs per program ({runs['mapped']} for the
mapped window, {startup['hostile-offscreen']['runs']} beside hostile files). In-process figures:
medians of {repetitions} repetitions, wall time.

{targets()}

## Start-up beside other programs that open SETTINGS.TXT

Xvfb with openbox, all programs taking turns in one X server: milliseconds from the start of the
process to its top-level window being mapped, and the memory peak at that moment. The editor is
the program itself; the two Qt windows are the floors below; l3afpad (GTK 3) and featherpad (Qt 5)
open the same SETTINGS.TXT.

{mapped()}

## Start-up in detail

Milliseconds from the start of the process (the driver's fork) to each stage: median, quartiles
and extremes. *main*: main() entered, after the program and its libraries were loaded;
*application*: QApplication made, with the editor's style and font substitution; *shown*: the
window built, filled and shown (for the editor: its window's Show event, at the end of
`orvane::Main`); *painted*: the first paint of the window drawn and flushed. Peak memory (VmHWM)
once painted.

{detail()}

An empty window never draws text, so Qt never starts the font system for it (fontconfig reads its
configuration and font cache, FreeType opens a font): one line of text is the least any window
with text pays, and the floor the start-up targets are set against.

## Start-up beside hostile SETTINGS.TXT files

The editor's start-up probe from a folder of its own beside each file, all taking turns:
milliseconds from the start of the process to the first paint of its window, and the memory peak
then. Every hostile file ends its load early (256 KiB read at most, or nothing read from a pipe or
device), so the window opens with a box over it that says why; the probe stops at the window's
first paint, which comes while that box is open.

{hostile()}

{instructions() if callgrind else NO_INSTRUCTIONS}
## Spread of the in-process figures

Median and standard deviation over the repetitions, which ran in random order among those of the
other benchmarks of the same program; wall time and CPU time of the benchmark's thread.

{in_process_spread()}

## Method

- **Start-up, stamped** (`bench/startup`): {warmups['offscreen']} runs of each program to warm
  up, then {runs['offscreen']}, the programs taking turns. The driver reads the monotonic clock
  just before it forks a program; the program reads it at each stage and quits once painted, so
  its teardown is not measured. *Painted* is taken from the event loop right after the first
  paint event, once drawn and flushed. The editor's probe is the program's own start-up
  (`startDesktop`, `orvane::Main`) with stamps, beside a typical seven-line SETTINGS.TXT. The
  floors (`floor_window`) set Qt up as the editor does (Windows style, DejaVu Sans for the
  missing Verdana) and show a window of its size (450 × 361) and font (Verdana 8.25 pt): empty,
  with one line of text, or with its sixteen controls as stock Qt widgets with no handlers (7
  QGroupBox, 4 QLineEdit, 2 QScrollBar, an editable QComboBox, 2 QPushButton with 32 × 32
  pictures), placed and named from the editor's layout table.
- **Start-up, mapped** (`startup_driver --until-mapped`): {warmups['mapped']} runs to warm up,
  then {runs['mapped']}, taking turns. openbox reparents a program's window (known by its
  `_NET_WM_PID`) into a frame and maps the two together; the time is when the frame's MapNotify
  reaches the driver, which then reads VmHWM from `/proc/PID/status` and kills the program. The
  Qt programs paint on the Expose that follows the map, so for them this peak comes before the
  first paint.
- **Platforms.** Qt's offscreen platform, and Xvfb (1280 × 800, 24 bits) with openbox, so the
  window is mapped and framed as on a desktop. No platform theme, no D-Bus session bus,
  `LC_ALL=C.UTF-8`, an empty configuration folder.
- **Settings file** (`bench/settings`, Google Benchmark, in process on the real window).
  Loading alternates between two typical files whose every value differs. The save writes a new
  file with the old one's owner and mode, flushes it (fsync) before renaming it over the old one
  and flushes the folder after; the save without the flushes does the same encoding and rename
  without them. On ext4 a rename over a file starts writing the new one back, so even that save
  waits for the disk in part. The baselines write the same bytes, already encoded, the same way
  (`open`, `write`, `fsync` or not, `rename`, the folder's `fsync` or not).
- **Hostile SETTINGS.TXT files** (`bench/settings/hostile_settings_file.cpp`, started by
  `startup_driver` as above): {startup['hostile-offscreen']['warmups']} runs of each to warm up,
  then {startup['hostile-offscreen']['runs']}, on each platform. *Sparse 10 GB*: `ftruncate` to
  10 GB, a hole of zero bytes; *100 MB of lines*: each line a change of language; *growing*: a
  typical file to which a writer adds 64 KiB every millisecond while the runs go on (it starts
  anew at 1 GiB); *named pipe*: a FIFO no one writes to; *device node*: the character device 1,5
  (`/dev/zero`) made with `mknod`. The writer of the growing file runs during the whole part and
  takes its share of the machine from every program of it, so the typical file's figure here is
  the baseline, not the one of the start-up table above.
- **Interaction** (`bench/interaction`). Qt Test mouse events drag the low alarm's thumb from
  its centre to where each value is reached; both alarms start at 0, so each step up pushes the
  high alarm along (both rules, two caption refreshes). Typing sends "a" to the job description.
  After each input the pending repaint is done at once, as the event loop would do next. The
  baseline is the same input on the stock-controls window's QScrollBar and QLineEdit.
- Debian's Google Benchmark is built without NDEBUG and says so; this touches its own
  bookkeeping only, not the code measured.""")
