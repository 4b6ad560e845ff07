// How the Win32 backend turns a scroll bar's WM_HSCROLL requests into values and reports.

#include <gtest/gtest.h>

#include "platform/win32/scroll_tracker.h"
#include "platform/win32/windows_api.h"

namespace {

using orvane::platform::ScrollRange;
using orvane::platform::ScrollReport;
using orvane::platform::win32::ScrollTracker;

constexpr ScrollRange kAlarm{0, 100, 1, 10, 0};

struct ScrollCase {
    const char* name;
    int request;
    int position;
    int current;
    int value;
    ScrollReport report;
};

class ScrollRequests : public testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollRequests, request_givesTheNewValueAndTheReport) {
    ScrollTracker tracker;
    const auto step =
        tracker.apply(GetParam().request, GetParam().position, GetParam().current, kAlarm);
    EXPECT_EQ(step.value, GetParam().value);
    EXPECT_EQ(step.report, GetParam().report);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ScrollRequests,
    testing::Values(
        ScrollCase{"arrow_left", SB_LINELEFT, 0, 50, 49, ScrollReport::Change},
        ScrollCase{"arrow_right", SB_LINERIGHT, 0, 50, 51, ScrollReport::Change},
        ScrollCase{"page_left", SB_PAGELEFT, 0, 50, 40, ScrollReport::Change},
        ScrollCase{"page_right_stops_at_max", SB_PAGERIGHT, 0, 95, 100, ScrollReport::Change},
        ScrollCase{"arrow_left_at_min", SB_LINELEFT, 0, 0, 0, ScrollReport::None},
        ScrollCase{"home", SB_LEFT, 0, 50, 0, ScrollReport::Change},
        ScrollCase{"end", SB_RIGHT, 0, 50, 100, ScrollReport::Change},
        ScrollCase{"thumb_track", SB_THUMBTRACK, 30, 50, 30, ScrollReport::Scroll},
        ScrollCase{"thumb_track_beyond_range", SB_THUMBTRACK, 130, 50, 100, ScrollReport::Scroll},
        ScrollCase{"thumb_position_without_drag", SB_THUMBPOSITION, 30, 50, 30,
                   ScrollReport::Change},
        ScrollCase{"end_scroll", SB_ENDSCROLL, 0, 50, 50, ScrollReport::None}),
    [](const testing::TestParamInfo<ScrollCase>& row) { return std::string(row.param.name); });

TEST(ScrollTracker, thumbMessagesOfADrag_reportScrollsThenOneChange) {
    ScrollTracker tracker;
    EXPECT_EQ(tracker.apply(SB_THUMBTRACK, 45, 50, kAlarm).report, ScrollReport::Scroll);
    EXPECT_EQ(tracker.apply(SB_THUMBTRACK, 45, 45, kAlarm).report, ScrollReport::None);
    EXPECT_EQ(tracker.apply(SB_THUMBTRACK, 40, 45, kAlarm).report, ScrollReport::Scroll);
    const auto end = tracker.apply(SB_THUMBPOSITION, 40, 40, kAlarm);
    EXPECT_EQ(end.value, 40);
    EXPECT_EQ(end.report, ScrollReport::Change);
    EXPECT_EQ(tracker.apply(SB_ENDSCROLL, 0, 40, kAlarm).report, ScrollReport::None);
}

}  // namespace
