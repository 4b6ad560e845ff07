// Tab and Shift+Tab on the real window: tab-index order, not the stacking order, past the frames.

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include "support/win32_editor.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::platform::ControlId;

struct TabRound {
    bool shift;
    std::vector<ControlId> visited;
};

class TabOrder : public testing::TestWithParam<TabRound> {};

TEST_P(TabOrder, tabOrShiftTab_cyclesThroughTheControlsByTabIndex) {
    orvane::test::Win32Editor editor;
    editor.start();
    std::vector<ControlId> seen = {editor.focusedControl()};
    for (std::size_t press = 1; press < GetParam().visited.size(); ++press) {
        editor.keyboard().press(VK_TAB, GetParam().shift);
        seen.push_back(editor.focusedControl());
    }
    EXPECT_EQ(seen, GetParam().visited);
}

const std::vector<ControlId> kForward = {kCombo1,  kCommand1, kHScroll1, kHScroll2, kText5,
                                         kText1_1, kText1_2,  kText1_3,  kCommand2, kCombo1};
const std::vector<ControlId> kBackward = {kCombo1, kCommand2, kText1_3,  kText1_2,  kText1_1,
                                          kText5,  kHScroll2, kHScroll1, kCommand1, kCombo1};

INSTANTIATE_TEST_SUITE_P(Directions, TabOrder,
                         testing::Values(TabRound{false, kForward}, TabRound{true, kBackward}));

TEST(TabOrderFields, tabIntoAField_selectsItsText) {
    orvane::test::Win32Editor editor;
    orvane::Form1& form = editor.start();
    form.setJobDescription(u"Pump");
    SetFocus(editor.control(kHScroll2));
    editor.keyboard().press(VK_TAB);
    ASSERT_EQ(editor.focusedControl(), kText5);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(editor.control(kText5), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
}

}  // namespace
