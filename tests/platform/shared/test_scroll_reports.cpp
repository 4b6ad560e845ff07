// The rule every backend follows to tell the program of a scroll bar's movements.

#include <gtest/gtest.h>

#include "platform/shared/scroll_reports.h"

namespace {

using orvane::platform::ScrollReport;
using orvane::platform::ScrollReporter;

TEST(ScrollReporter, newValueWithoutADrag_isAChange) {
    const ScrollReporter reporter;
    EXPECT_EQ(reporter.newValue(), ScrollReport::Change);
}

TEST(ScrollReporter, drag_reportsEachPositionAsScrollAndItsEndAsOneChange) {
    ScrollReporter reporter;
    reporter.thumbPressed(50);
    EXPECT_EQ(reporter.newValue(), ScrollReport::Scroll);
    EXPECT_EQ(reporter.newValue(), ScrollReport::Scroll);
    EXPECT_EQ(reporter.thumbReleased(40), ScrollReport::Change);
    EXPECT_EQ(reporter.newValue(), ScrollReport::Change);
}

TEST(ScrollReporter, dragBackToItsStart_reportsNoChange) {
    ScrollReporter reporter;
    reporter.thumbPressed(50);
    EXPECT_EQ(reporter.thumbReleased(50), ScrollReport::None);
    // The next drag starts afresh.
    reporter.thumbPressed(50);
    EXPECT_EQ(reporter.thumbReleased(55), ScrollReport::Change);
}

TEST(ScrollReporter, releaseWithoutAPress_reportsNothing) {
    ScrollReporter reporter;
    EXPECT_EQ(reporter.thumbReleased(10), ScrollReport::None);
    reporter.thumbPressed(10);
    reporter.dragEnded();
    EXPECT_FALSE(reporter.dragging());
    EXPECT_EQ(reporter.thumbReleased(20), ScrollReport::None);
}

}  // namespace
