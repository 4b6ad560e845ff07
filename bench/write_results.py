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
NAMES = {"editor": "editor", "controls": "sixteen stock controls", "text": "one line of text"}
HOSTILE = {"sparse": "a sparse 10 GB file",
           "alternating": "100 MB of lines LANGUAGE=1 and LANGUAGE=2 in turn",
           "growing": "a file growing while it is read", "fifo": "a named pipe",
           "device": "a device node (/dev/zero)"}


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout.strip()


def runs(name):
    """Per program: the measured (not warm-up) times and memory peaks, in the order they ran."""
    programs = {}
    for measured in map(json.loads, (results / f"{name}.jsonl").read_text().splitlines()):
        if not measured["warmup"]:
            values = programs.setdefault(measured["program"], {"ms": [], "kib": []})
            values["ms"].append(measured["ms"])
            values["kib"].append(measured["peak_kib"])
    return programs


startup = {name: runs(name) for name in ("startup-offscreen", "startup-xcb", "hostile-offscreen",
                                         "hostile-xcb", "mapped-xcb")}
gbench = {}  # run name -> aggregate name -> microseconds
for mark in json.loads((results / "in_process.json").read_text())["benchmarks"]:
    gbench.setdefault(mark["run_name"], {})[mark["aggregate_name"]] = \
        mark["real_time"] * {"ns": 1e-3, "us": 1, "ms": 1e3}[mark["time_unit"]]


def median(data, program, field="ms"):
    return statistics.median(startup[data][program][field])


def spread(data, program):
    values = startup[data][program]["ms"]
    low, middle, high = statistics.quantiles(values, n=4, method="inclusive")
    return f"{middle:.1f} ({low:.1f}–{high:.1f}, {min(values):.1f}–{max(values):.1f})"


def duration(value):
    return f"{value / 1000:.2f} ms" if value >= 1000 else f"{value:.1f} µs"


def mib(kib):
    return f"{kib / 1024:.1f} MiB"


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    return "\n".join(lines + ["| " + " | ".join(row) + " |" for row in rows])


def startup_row(figure, data, base, label, field, target, meets, floor=True):
    """A target on start-up runs: the editor against `base`, and the floor, the stock controls,
    against the same."""
    against = median(data, base, field)

    def shown(value):
        return mib(value) if field == "kib" else f"{value:.1f} ms"

    def compared(program):
        value = median(data, program, field)
        if field == "kib":
            return (value - against) / 1024, f"{(value - against) / 1024:+.1f} MiB"
        return value / against, f"{value / against:.3f}×"

    measure, editor = compared("editor")
    return [figure, shown(median(data, "editor", field)), f"{shown(against)}, {label}", editor,
            compared("controls")[1] if floor else "–", target, meets(measure)]


def targets():
    rows = []
    for platform, where in PLATFORMS.items():
        data = f"startup-{platform}"
        figure = f"Start-up to the first painted window, {where}"
        rows += [startup_row(figure, data, "text", NAMES["text"], "ms", "≤ 1.15×",
                             lambda ratio: ratio <= 1.15),
                 startup_row(figure, data, "controls", NAMES["controls"], "ms", "below",
                             lambda ratio: ratio < 1, floor=False),
                 startup_row(f"Peak memory once painted, {where}", data, "text", NAMES["text"],
                             "kib", "≤ +1.5 MiB", lambda more: more <= 1.5)]
    rows.append(startup_row("Peak memory once mapped, Xvfb + openbox (stretch)", "mapped-xcb",
                            "l3afpad", "l3afpad", "kib", "≤ l3afpad", lambda more: more <= 0))
    step, plain, same = (gbench[f"DragPosition/{kind}"]["median"]
                         for kind in ("Editor", "Plain", "SameChange"))
    load, read = (gbench[name]["median"]
                  for name in ("LoadSettings_TypicalFile", "ReadBytes_TypicalFile"))
    rows += [["One step of a thumb drag, repainted", duration(step),
              f"{duration(plain)}, plain scroll bar", f"{step / plain:.2f}×",
              f"{same / plain:.2f}×", "≤ 2×", step <= 2 * plain],
             ["One step of a thumb drag, repainted", duration(step), "–", "–", "–", "< 200 µs",
              step < 200],
             ["Load a typical SETTINGS.TXT into the window", duration(load),
              f"{duration(read)}, read its bytes only", f"+{duration(load - read)}", "–",
              "< 50 µs", load < 50]]
    for platform, where in PLATFORMS.items():
        data = f"hostile-{platform}"
        typical = median(data, "typical")
        for kind, name in HOSTILE.items():
            painted = median(data, kind)
            rows.append([f"Start-up to the first painted window beside {name}, {where}",
                         f"{painted:.1f} ms", f"{typical:.1f} ms, typical SETTINGS.TXT",
                         f"{painted / typical:.2f}×", "–", "< 1 s", painted < 1000])
    return table(["Figure", "Editor", "Baseline", "Editor against baseline",
                  "Floor: stock controls against baseline", "Target", "Met"],
                 [row[:-1] + ["**yes**" if row[-1] else "**no**"] for row in rows])


def detail():
    rows = [[where, name, spread(f"startup-{platform}", program),
             mib(median(f"startup-{platform}", program, "kib"))]
            for platform, where in PLATFORMS.items() for program, name in NAMES.items()]
    editor = median("mapped-xcb", "editor")
    for program in startup["mapped-xcb"]:
        version = run("dpkg-query", "-W", "-f=${Version}", program)
        name = NAMES.get(program) or f"{program} {version}"
        rows.append(["Xvfb + openbox, window mapped", name, spread("mapped-xcb", program) +
                     f", {median('mapped-xcb', program) / editor:.2f}× the editor",
                     mib(median("mapped-xcb", program, "kib"))])
    return table(["Platform", "Program", "Milliseconds: median (p25–p75, min–max)",
                  "Peak memory"], rows)


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


STARTUP_PARTS = [
    (0, "Loading the program and its libraries (`_dl_start`)", "_dl_start"),
    (0, "QApplication, and the look (`startDesktop`)", "orvane::platform::startDesktop("),
    (0, "`orvane::Main`: build, fill and show the window", "orvane::Main("),
    (1, "building the window (`Form1`, the controls)", "orvane::Form1::Form1("),
    (2, "finding the font (`QFontDatabasePrivate::findFont`)", "QFontDatabasePrivate::findFont("),
    (3, "of which starting fontconfig and listing the fonts",
     "QFontDatabasePrivate::ensureFontDatabase("),
    (3, "of which fontconfig's fallbacks for a family", "QFontconfigDatabase::fallbacksForFamily("),
    (2, "the editable combo box (`ComboBox`)", "orvane::platform::qt::ComboBox::ComboBox("),
    (1, "loading SETTINGS.TXT (`LoadSettings`)", "orvane::LoadSettings("),
    (1, "labelling and showing (`Form1::show`)", "orvane::Form1::show("),
    (0, "Event loop to the first paint (`QCoreApplication::exec`)", "QCoreApplication::exec(")]
WORK = [("Load a typical SETTINGS.TXT (the two typical files in turn)", "Loads(", "loads"),
        ("One step of a thumb drag, editor", "EditorDrag(", "steps"),
        ("One step of a thumb drag, plain scroll bar", "PlainDrag(", "steps"),
        ("One step of a thumb drag, stock controls making the editor's change", "SameChangeDrag(",
         "steps")]


def instructions():
    if not (results / "callgrind-editor.txt").exists():
        return "This run counted no instructions; `scripts/bench.sh --callgrind` adds them."
    rows = [[f"Whole run, {name}", f"{inclusive(program, 'total') / 1e6:.1f} M"]
            for program, name in NAMES.items()]
    rows += [["&nbsp;&nbsp;" * depth + part, f"{inclusive('editor', function) / 1e6:.1f} M"]
             for depth, part, function in STARTUP_PARTS]
    done = json.loads((results / "callgrind-workloads.stdout").read_text())
    counts = {unit: inclusive("workloads", "(anonymous namespace)::measured" + function) / done[key]
              for unit, function, key in WORK}
    work = [[unit, f"{count / 1000:.0f} k"] for unit, count in counts.items()]
    return f"""Steadier than wall time on a shared machine. Where the start-up goes, offscreen,
counted by callgrind in one run of each probe (inclusive: a line includes those indented under
it; the whole-run totals include the teardown after the first paint):

{table(["Part of the start-up", "Instructions"], rows)}

Fixed work on the window, offscreen (`bench_in_process --callgrind-workloads`), per unit:

{table(["Work", "Instructions"], work)}"""


runs_of = {data: len(next(iter(startup[data].values()))["ms"]) for data in startup}
loadavg = "".join(f"\n  - {line}" for line in (results / "loadavg.txt").read_text().splitlines())
cpu = next(line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
           if line.startswith("model name"))
callgrind = (results / "callgrind-editor.txt").exists()
print(f"""# Benchmark results

Written by `scripts/bench.sh{' --callgrind' if callgrind else ''}` from its run of
{(results / 'started.txt').read_text().strip()}. Every figure below was measured in that one run,
beside its baseline from the same run; nothing is copied from elsewhere.

## Machine

- CPU: {cpu}, {os.cpu_count()} logical cores, shared with other work
- System: {' '.join(os.uname()[i] for i in (0, 2, 3, 4))}
- Qt {run('dpkg-query', '-W', '-f=${Version}', 'libqt6core6')} (Debian), \
{run('c++', '--version').splitlines()[0]}, Release build (-O3)\
{', ' + run('valgrind', '--version') if callgrind else ''}
- Temporary files on {run('df', '-T', os.environ.get('TMPDIR', '/tmp')).split()[-6]}
- Load average (1, 5, 15 min) at the start of each part:{loadavg}
- The benchmarks took {(results / 'seconds.txt').read_text().strip()} s, after the build.

## Targets

Start-up and memory: medians of {runs_of['startup-offscreen']} runs per program
({runs_of['hostile-offscreen']} beside each SETTINGS.TXT, {runs_of['mapped-xcb']} for the mapped
window). In process: medians of 10 repetitions, wall time. The floor is what Qt alone takes
against the same baseline: the editor's sixteen controls as stock widgets with no logic (for the
drag, the same widgets making the change the editor shows: the high alarm's bar pushed along and
both alarm frames retitled). A target below its floor can be met only by doing less than Qt's own
widgets do.

{targets()}

## Start-up in detail

From the start of the process (the driver's fork) to the window's first paint, drawn and flushed,
or, beside l3afpad (GTK 3) and featherpad (Qt 5) opening the same SETTINGS.TXT, to the window
being mapped; and the memory peak (VmHWM) then.

{detail()}

In process, the standard deviations over the repetitions: \
{', '.join(f"`{name}` {duration(gbench[name]['stddev'])}" for name in sorted(gbench))}.

## Instruction counts

{instructions()}

## Method

- **Start-up** (`bench/startup`): 5 runs of each program to warm up (3 beside each SETTINGS.TXT
  and for the mapped window), then the measured ones, the programs taking turns. The driver reads
  the monotonic clock just before it forks a program; the program reads it once its window's
  first paint has been drawn and flushed, prints it with its memory peak and quits, so its
  teardown is not measured. The editor's probe is the program's own start-up (`startDesktop`,
  `orvane::Main`) beside a typical seven-line SETTINGS.TXT. The floors (`floor_window`) take the
  editor's own Qt set-up (`src/platform/qt/look.h`: Windows style, DejaVu Sans for the missing
  Verdana) and show a window of its size (450 × 361) and font (Verdana 8.25 pt) with one line of
  text, or with its sixteen controls as stock Qt widgets with no handlers (7 QGroupBox,
  4 QLineEdit, 2 QScrollBar, an editable QComboBox, 2 QPushButton with 32 × 32 pictures), placed
  and named from its layout table. The mapped window: openbox reparents a program's window (known
  by its `_NET_WM_PID`) into a frame and maps the two; the time is when the frame's MapNotify
  reaches the driver, which then reads VmHWM from `/proc/PID/status` and kills the program (the
  Qt programs paint after that).
- **Hostile SETTINGS.TXT files** (`make_settings_file`), each beside a probe of its own: a sparse
  10 GB file, 100 MB of lines that each change the language, a typical file to which a writer
  adds 64 KiB every millisecond during the whole part (so the typical file's figure there is the
  baseline, not the one above), a FIFO no one writes to, and the device 1,5 made with `mknod`.
  Each ends the load early, and the window opens with a box over it that says why; the probe
  stops at the window's first paint, which comes while that box is open.
- **Platforms.** Qt's offscreen platform, and Xvfb (1280 × 800, 24 bits) with openbox. No platform
  theme, no D-Bus session bus, `LC_ALL=C.UTF-8`, an empty configuration folder.
- **In process** (`bench/in_process`, Google Benchmark, offscreen, on the real window, the
  repetitions in random order). Loading alternates between two typical files whose every value
  differs; the baseline opens the file and reads its bytes as loading does. A drag step: Qt Test
  mouse events move the low alarm's thumb to where the next value is reached, from 0 up to 100
  with both alarms starting at 0, so each step also pushes the high alarm along (both rules, two
  relabellings); the pending repaint is then done at once, as the event loop would do next. The
  baseline is the same input on the stock window's QScrollBar.""")
