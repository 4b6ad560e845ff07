// What every backend reads from the design table: where a control stands in the window, which
// control is drawn over which, the order Tab visits them, and twips in pixels.

#include <gtest/gtest.h>

#include "platform/shared/form_layout.h"
#include "platform/shared/twips.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::platform::ControlId;

TEST(FormLayout, controlInsideAFrame_isPlacedFromTheFramesCorner) {
    const auto rect = orvane::platform::rectInWindow(design(), kText1_3);
    EXPECT_EQ(rect.left, 3480 + 240);
    EXPECT_EQ(rect.top, 4440 + 360);
    EXPECT_EQ(rect.width, 2655);
    const auto own = orvane::platform::rectInWindow(design(), kCombo1);
    EXPECT_EQ(own.left, 360);
    EXPECT_EQ(own.top, 480);
}

TEST(FormLayout, stacking_putsEachTextBoxDirectlyInFrontOfItsFrame) {
    const std::vector<ControlId> frontToBack = {
        kCommand2, kText1_3,  kFrame6, kText1_2,  kFrame5, kText1_1, kFrame4, kText5,
        kFrame3,   kHScroll2, kFrame2, kHScroll1, kFrame1, kCombo1,  kFrame0, kCommand1};
    EXPECT_EQ(orvane::platform::stackingOrder(design()), frontToBack);
}

TEST(FormLayout, tabOrder_followsTabIndexAndPassesOverFrames) {
    const std::vector<ControlId> order = {kCombo1,  kCommand1, kHScroll1, kHScroll2, kText5,
                                          kText1_1, kText1_2,  kText1_3,  kCommand2};
    EXPECT_EQ(orvane::platform::tabOrder(design()), order);
}

struct TabStep {
    ControlId from;
    bool forward;
    ControlId to;
};

class NextInTabOrder : public testing::TestWithParam<TabStep> {};

TEST_P(NextInTabOrder, step_wrapsRoundAtBothEnds) {
    const std::vector<ControlId> order = orvane::platform::tabOrder(design());
    EXPECT_EQ(orvane::platform::nextInTabOrder(order, GetParam().from, GetParam().forward),
              GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Steps, NextInTabOrder,
                         testing::Values(TabStep{kCombo1, true, kCommand1},
                                         TabStep{kCommand2, true, kCombo1},
                                         TabStep{kCombo1, false, kCommand2},
                                         TabStep{kText5, false, kHScroll2},
                                         TabStep{kFrame3, true, kCombo1},
                                         TabStep{orvane::platform::kNoControl, false, kCombo1}));

TEST(Twips, pixels_roundToTheNearestHalvesAwayFromZero) {
    using orvane::platform::pixelsFromTwips;
    EXPECT_EQ(pixelsFromTwips(6750, 96), 450);
    EXPECT_EQ(pixelsFromTwips(6750, 144), 675);
    EXPECT_EQ(pixelsFromTwips(7, 96), 0);
    EXPECT_EQ(pixelsFromTwips(8, 96), 1);    // 7.5 twips is half a pixel
    EXPECT_EQ(pixelsFromTwips(-8, 96), -1);  // a window partly left of the screen
    EXPECT_EQ(pixelsFromTwips(7.5f, 96), 1);
    EXPECT_EQ(pixelsFromTwips(-7.5f, 96), -1);
    EXPECT_FLOAT_EQ(orvane::platform::twipsFromPixels(450, 96), 6750.0f);
}

}  // namespace
