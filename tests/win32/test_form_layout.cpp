// How the Win32 backend reads the design table (placement, stacking, tab order), turns scroll
// requests into values and reports, and finds a file's folder.

#include <gtest/gtest.h>

#include "platform/win32/form_layout.h"
#include "platform/win32/path_parts.h"
#include "platform/win32/scroll_tracker.h"
#include "platform/win32/windows_api.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::platform::ControlId;
using orvane::platform::ScrollRange;
using orvane::platform::win32::ScrollReport;
using orvane::platform::win32::ScrollTracker;

TEST(FormLayout, ControlsInsideAFrameArePlacedFromTheFramesCorner) {
    const auto rect = orvane::platform::win32::rectInWindow(design(), kText1_3);
    EXPECT_EQ(rect.left, 3480 + 240);
    EXPECT_EQ(rect.top, 4440 + 360);
    EXPECT_EQ(rect.width, 2655);
    const auto own = orvane::platform::win32::rectInWindow(design(), kCombo1);
    EXPECT_EQ(own.left, 360);
    EXPECT_EQ(own.top, 480);
}

TEST(FormLayout, StackingPutsEachTextBoxDirectlyInFrontOfItsFrame) {
    const std::vector<ControlId> frontToBack = {
        kCommand2, kText1_3,  kFrame6, kText1_2,  kFrame5, kText1_1, kFrame4, kText5,
        kFrame3,   kHScroll2, kFrame2, kHScroll1, kFrame1, kCombo1,  kFrame0, kCommand1};
    EXPECT_EQ(orvane::platform::win32::stackingOrder(design()), frontToBack);
}

TEST(FormLayout, TabOrderFollowsTabIndexAndPassesOverFrames) {
    const std::vector<ControlId> order = {kCombo1,  kCommand1, kHScroll1, kHScroll2, kText5,
                                          kText1_1, kText1_2,  kText1_3,  kCommand2};
    EXPECT_EQ(orvane::platform::win32::tabOrder(design()), order);
}

struct TabStep {
    ControlId from;
    bool forward;
    ControlId to;
};

class NextInTabOrder : public testing::TestWithParam<TabStep> {};

TEST_P(NextInTabOrder, WrapsRoundAtBothEnds) {
    const std::vector<ControlId> order = orvane::platform::win32::tabOrder(design());
    EXPECT_EQ(orvane::platform::win32::nextInTabOrder(order, GetParam().from, GetParam().forward),
              GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Steps, NextInTabOrder,
                         testing::Values(TabStep{kCombo1, true, kCommand1},
                                         TabStep{kCommand2, true, kCombo1},
                                         TabStep{kCombo1, false, kCommand2},
                                         TabStep{kText5, false, kHScroll2},
                                         TabStep{kFrame3, true, kCombo1},
                                         TabStep{orvane::platform::kNoControl, false, kCombo1}));

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

TEST_P(ScrollRequests, GiveTheNewValueAndTheReport) {
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

TEST(ScrollTracker, ADragReportsEachPositionAsScrollAndItsEndAsOneChange) {
    ScrollTracker tracker;
    EXPECT_EQ(tracker.apply(SB_THUMBTRACK, 45, 50, kAlarm).report, ScrollReport::Scroll);
    EXPECT_EQ(tracker.apply(SB_THUMBTRACK, 45, 45, kAlarm).report, ScrollReport::None);
    EXPECT_EQ(tracker.apply(SB_THUMBTRACK, 40, 45, kAlarm).report, ScrollReport::Scroll);
    const auto end = tracker.apply(SB_THUMBPOSITION, 40, 40, kAlarm);
    EXPECT_EQ(end.value, 40);
    EXPECT_EQ(end.report, ScrollReport::Change);
    EXPECT_EQ(tracker.apply(SB_ENDSCROLL, 0, 40, kAlarm).report, ScrollReport::None);
}

TEST(ScrollTracker, ADragBackToItsStartReportsNoChange) {
    ScrollTracker tracker;
    tracker.apply(SB_THUMBTRACK, 60, 50, kAlarm);
    tracker.apply(SB_THUMBTRACK, 50, 60, kAlarm);
    EXPECT_EQ(tracker.apply(SB_THUMBPOSITION, 50, 50, kAlarm).report, ScrollReport::None);
    // The next drag starts afresh.
    tracker.apply(SB_THUMBTRACK, 55, 50, kAlarm);
    EXPECT_EQ(tracker.apply(SB_THUMBPOSITION, 55, 55, kAlarm).report, ScrollReport::Change);
}

TEST(PathParts, ParentFolderKeepsRootsWhole) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"C:\\Tools\\Orvane\\orvane-pm.exe", u"C:\\Tools\\Orvane"},
        {u"C:\\orvane-pm.exe", u"C:\\"},
        {u"\\\\server\\share\\orvane-pm.exe", u"\\\\server\\share"},
        {u"E:/PM/SETTINGS.TXT", u"E:/PM"},
        {u"\\SETTINGS.TXT", u"\\"},
        {u"SETTINGS.TXT", u""},
    };
    for (const auto& [path, folder] : cases) {
        EXPECT_EQ(orvane::platform::win32::parentFolder(path), folder);
    }
}

}  // namespace
