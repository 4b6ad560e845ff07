// The window's response to the user, in process on the real window: one reported position of a
// thumb drag, a whole drag, one typed character; each with the repaint it causes, beside the same
// input on a plain Qt window with no handlers.

#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "interaction/targets.h"
#include "interaction/thumb_drag.h"
#include "support/editor_session.h"

namespace {

using orvane::bench::paintPendingUpdates;
using orvane::bench::ThumbDrag;
using Editor = orvane::bench::EditorTarget;
using Plain = orvane::bench::PlainTarget;

template <typename Target>
void DragPosition(benchmark::State& state) {
    Target target;
    ThumbDrag drag(target.bar);
    target.resetAlarms();
    const int maximum = target.bar.maximum();
    int value = 0;
    drag.press();
    for (auto _ : state) {
        if (value == maximum) {
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
    if (target.bar.value() != value || !target.followed(value)) {
        state.SkipWithError("the drag did not reach its value");
    }
}
BENCHMARK_TEMPLATE(DragPosition, Editor)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(DragPosition, Plain)->Unit(benchmark::kMicrosecond);

// From 0 to 100 and back, one reported position per value, each painted.
template <typename Target>
void WholeDrag(benchmark::State& state) {
    Target target;
    ThumbDrag drag(target.bar);
    target.resetAlarms();
    int positions = 0;
    for (auto _ : state) {
        positions = drag.acrossAndBack(target.window());
        state.PauseTiming();
        target.resetAlarms();
        state.ResumeTiming();
    }
    state.counters["positions"] = positions;
}
BENCHMARK_TEMPLATE(WholeDrag, Editor)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(WholeDrag, Plain)->Unit(benchmark::kMillisecond);

// One character typed into the job description (kept by its rule), painted.
template <typename Target>
void TypeCharacter(benchmark::State& state) {
    Target target;
    target.field.setFocus();
    const int maxLength = target.field.maxLength();
    for (auto _ : state) {
        if (target.field.text().size() == maxLength) {
            state.PauseTiming();
            target.clearField();
            paintPendingUpdates(target.window());
            state.ResumeTiming();
        }
        QTest::keyClick(&target.field, 'a');
        paintPendingUpdates(target.window());
    }
    if (target.field.text().isEmpty()) {
        state.SkipWithError("no character was typed");
    }
}
BENCHMARK_TEMPLATE(TypeCharacter, Editor)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(TypeCharacter, Plain)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return orvane::bench::runBenchmarks(argc, argv);
}
