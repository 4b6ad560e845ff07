// What a screen reader is told about each control, on a window without a toolkit, in both builds:
// an input control by its frame's caption, the alarms with their values, the picture buttons by
// what they open, all in the window's language. Each backend's tests keep what its own
// accessibility interfaces report.

#include <gtest/gtest.h>

#include "i18n/accessible_texts.h"
#include "i18n/caption_table.h"
#include "support/fake_window.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::AccessibleControl;
using orvane::CaptionTable;
using orvane::test::FakeEditor;

class NamedControls : public testing::TestWithParam<int> {};

// With no language selected (-1) the names are English.
TEST_P(NamedControls, controls_areNamedAndDescribedInTheSelectedLanguage) {
    FakeEditor editor;
    orvane::Form1& form = editor.start();
    ASSERT_TRUE(form.setHighAlarm(40));
    ASSERT_TRUE(form.setLanguageIndex(static_cast<std::int16_t>(GetParam())));
    const int column = CaptionTable::columnFor(GetParam());
    CaptionTable captions;
    captions.rebuild(40, 0);
    const std::pair<orvane::platform::ControlId, int> framed[] = {
        {kCombo1, 0},  {kHScroll1, 1}, {kHScroll2, 2}, {kText5, 3},
        {kText1_1, 4}, {kText1_2, 5},  {kText1_3, 6}};
    for (const auto& [control, frame] : framed) {
        EXPECT_EQ(editor.window().accessibleName(control), captions.entry(column, frame));
        EXPECT_FALSE(editor.window().accessibleDescription(control).empty());
    }
    EXPECT_EQ(editor.window().accessibleName(kCommand1),
              orvane::accessibleName(AccessibleControl::DataFolderButton, column));
    EXPECT_EQ(editor.window().accessibleName(kCommand2),
              orvane::accessibleName(AccessibleControl::ProductPageButton, column));
    EXPECT_EQ(editor.window().accessibleDescription(kCommand1),
              orvane::accessibleDescription(AccessibleControl::DataFolderButton, column));
}

INSTANTIATE_TEST_SUITE_P(Each, NamedControls, testing::Values(0, 1, 2, 3, -1));

TEST(Accessibility, alarmNames_followTheValues) {
    FakeEditor editor;
    editor.start();
    editor.window().settleBar(kHScroll2, 10);
    CaptionTable captions;
    captions.rebuild(10, 10);
    EXPECT_EQ(editor.window().accessibleName(kHScroll2), captions.entry(0, 2));
    EXPECT_EQ(editor.window().accessibleName(kHScroll1), captions.entry(0, 1));
}

}  // namespace
