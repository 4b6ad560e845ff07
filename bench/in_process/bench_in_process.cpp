// In process, on the real window: loading SETTINGS.TXT, and one step of a thumb drag with the
// repaint it causes, each beside its baselines (Google Benchmark). With --callgrind-workloads it
// does fixed amounts of the same work instead, each in a function of its own, for
//   valgrind --tool=callgrind --toggle-collect='*measured*'
// to count the instructions of, and prints as JSON how many loads and steps each does.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

#include "in_process/drag.h"
#include "platform/file_access.h"
#include "settings/settings_file.h"
#include "support/typical_settings.h"

namespace {

using orvane::bench::DragTarget;
using orvane::bench::paintPendingUpdates;
using orvane::bench::ThumbDrag;
using Kind = DragTarget::Kind;

// The editor and a folder with another typical file, whose every value differs, so that loading
// the two in turn changes every control each time.
struct LoadTarget {
    DragTarget editor{Kind::Editor};
    QTemporaryDir other;
    std::array<std::u16string, 2> folders;
    std::size_t turn = 0;

    LoadTarget() {
        orvane::bench::writeSettings(other.path(), orvane::bench::kOtherTypicalSettings);
        folders = {other.path().toStdU16String(), editor.folder()};
    }
    void load() {
        orvane::LoadSettings(editor.form(), folders[turn]);
        turn ^= 1;
    }
};

void LoadSettings_TypicalFile(benchmark::State& state) {
    LoadTarget target;
    for (auto _ : state) {
        target.load();
    }
    if (target.editor.form().highAlarm() != (target.turn == 0 ? 80 : 65)) {
        state.SkipWithError("the settings were not applied");
    }
}
BENCHMARK(LoadSettings_TypicalFile)->Unit(benchmark::kMicrosecond);

// Baseline: opening the same file and reading its bytes, as loading does, without applying them.
void ReadBytes_TypicalFile(benchmark::State& state) {
    QTemporaryDir folder;
    orvane::bench::writeSettings(folder.path(), orvane::bench::kTypicalSettings);
    const std::u16string path = folder.filePath(QStringLiteral("SETTINGS.TXT")).toStdU16String();
    std::vector<char> chunk(64 * 1024);
    for (auto _ : state) {
        const auto opened = orvane::platform::openRegularFile(path);
        while (opened.reader->read(chunk).size > 0) {
        }
    }
}
BENCHMARK(ReadBytes_TypicalFile)->Unit(benchmark::kMicrosecond);

// One step up of the low alarm's thumb, repainted; at 100, released and back to 0 untimed.
void DragPosition(benchmark::State& state, Kind kind) {
    DragTarget target(kind);
    ThumbDrag drag(target.bar());
    int value = 0;
    drag.press();
    for (auto _ : state) {
        if (value == target.bar().maximum()) {
            state.PauseTiming();
            drag.release();
            target.resetAlarms();
            drag.press();
            value = 0;
            state.ResumeTiming();
        }
        drag.moveTo(++value);
        paintPendingUpdates(target.window());
    }
    drag.release();
    if (target.bar().value() != value || !target.followed(value)) {
        state.SkipWithError("the drag did not reach its value");
    }
}
BENCHMARK_CAPTURE(DragPosition, Editor, Kind::Editor)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DragPosition, Plain, Kind::Plain)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DragPosition, SameChange, Kind::SameChange)->Unit(benchmark::kMicrosecond);

constexpr int kLoads = 100;

void loads(LoadTarget& target) {
    for (int load = 0; load < kLoads; ++load) {
        target.load();
    }
}

[[gnu::noinline]] void measuredLoads(LoadTarget& target) {
    loads(target);
}

// From 0 up to the maximum, each step repainted; returns the steps.
int dragUp(DragTarget& target, ThumbDrag& drag) {
    drag.press();
    for (int value = 1; value <= target.bar().maximum(); ++value) {
        drag.moveTo(value);
        paintPendingUpdates(target.window());
    }
    drag.release();
    return target.bar().maximum();
}

[[gnu::noinline]] int measuredEditorDrag(DragTarget& target, ThumbDrag& drag) {
    return dragUp(target, drag);
}
[[gnu::noinline]] int measuredPlainDrag(DragTarget& target, ThumbDrag& drag) {
    return dragUp(target, drag);
}
[[gnu::noinline]] int measuredSameChangeDrag(DragTarget& target, ThumbDrag& drag) {
    return dragUp(target, drag);
}

// Each measured after the same work unmeasured, so that what is loaded or cached once is not
// counted.
int countedWorkloads() {
    LoadTarget load;
    loads(load);
    measuredLoads(load);
    int steps = 0;
    for (const auto& [kind, measured] :
         {std::pair{Kind::Editor, &measuredEditorDrag}, std::pair{Kind::Plain, &measuredPlainDrag},
          std::pair{Kind::SameChange, &measuredSameChangeDrag}}) {
        DragTarget target(kind);
        ThumbDrag drag(target.bar());
        dragUp(target, drag);
        target.resetAlarms();
        steps = measured(target, drag);
    }
    std::printf(R"({"loads": %d, "steps": %d})"
                "\n",
                kLoads, steps);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto application = orvane::bench::startApplication(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "--callgrind-workloads") {
        return countedWorkloads();
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
