// The window's input rules on a window without a toolkit, in both builds: the alarm coupling and
// the relabelling it drives, the language list, the text fields' filters, and what the program
// sets. The backends' tests keep only the routes by which real input reaches these rules.

#include <gtest/gtest.h>

#include <algorithm>

#include "i18n/caption_table.h"
#include "support/fake_window.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::CaptionTable;
using orvane::platform::ControlId;
using orvane::test::FakeEditor;

// The seven frame captions for the given language and alarms, as the caption table has them.
std::vector<std::u16string> captionsFor(int language, int high, int low) {
    CaptionTable table;
    table.rebuild(static_cast<std::int16_t>(high), static_cast<std::int16_t>(low));
    std::vector<std::u16string> captions;
    for (int frame = 0; frame < orvane::FrameCaptions::kFrameCount; ++frame) {
        captions.push_back(table.entry(CaptionTable::columnFor(language), frame));
    }
    return captions;
}

class InputRules : public testing::Test {
  protected:
    void SetUp() override { form = &editor.start(); }
    orvane::test::FakeWindow& window() { return editor.window(); }

    FakeEditor editor;
    orvane::Form1* form = nullptr;
};

struct BarMove {
    bool highBar;
    int to;
    int high;
    int low;
};

class AlarmCoupling : public InputRules, public testing::WithParamInterface<BarMove> {};

// Each row starts from a high alarm of 50 and a low alarm of 20; the bar moved keeps its value
// and pushes the other along, whether it settles there or its thumb is dragged there.
TEST_P(AlarmCoupling, moveABar_pushesTheOtherAndBothCaptionsFollow) {
    const BarMove& row = GetParam();
    const ControlId bar = row.highBar ? kHScroll1 : kHScroll2;
    for (const bool dragged : {false, true}) {
        ASSERT_TRUE(form->setHighAlarm(50));
        ASSERT_TRUE(form->setLowAlarm(20));
        if (dragged) {
            window().dragBar(bar, row.to);
        } else {
            window().settleBar(bar, row.to);
        }
        EXPECT_EQ(form->highAlarm(), row.high);
        EXPECT_EQ(form->lowAlarm(), row.low);
        EXPECT_EQ(editor.frameCaptions(), captionsFor(0, row.high, row.low));
    }
}

INSTANTIATE_TEST_SUITE_P(Moves, AlarmCoupling,
                         testing::Values(BarMove{true, 35, 35, 20}, BarMove{true, 49, 49, 20},
                                         BarMove{true, 10, 10, 10}, BarMove{true, 0, 0, 0},
                                         BarMove{true, 70, 70, 20}, BarMove{true, 100, 100, 20},
                                         BarMove{false, 21, 50, 21}, BarMove{false, 23, 50, 23},
                                         BarMove{false, 50, 50, 50}, BarMove{false, 70, 70, 70},
                                         BarMove{false, 100, 100, 100}, BarMove{false, 0, 50, 0}));

TEST_F(InputRules, thumbDrag_otherBarAndCaptionsFollowEveryPosition) {
    ASSERT_TRUE(form->setHighAlarm(50));
    ASSERT_TRUE(form->setLowAlarm(20));
    for (int position = 49; position >= 10; --position) {
        window().dragBar(kHScroll1, position);
        ASSERT_EQ(form->lowAlarm(), std::min(20, position));
        ASSERT_EQ(editor.frameCaptions(), captionsFor(0, position, std::min(20, position)));
    }
    for (int position = 11; position <= 70; ++position) {
        window().dragBar(kHScroll2, position);
        ASSERT_EQ(form->highAlarm(), std::max(10, position));
        ASSERT_EQ(editor.frameCaptions(), captionsFor(0, std::max(10, position), position));
    }
}

TEST_F(InputRules, programSetAlarm_runsTheRuleBeforeReturning) {
    ASSERT_TRUE(form->setHighAlarm(50));
    ASSERT_TRUE(form->setLowAlarm(20));
    ASSERT_TRUE(form->setLowAlarm(70));
    EXPECT_EQ(form->highAlarm(), 70);
    EXPECT_EQ(editor.frameCaptions(), captionsFor(0, 70, 70));
    ASSERT_TRUE(form->setHighAlarm(30));
    EXPECT_EQ(form->lowAlarm(), 30);
    EXPECT_EQ(editor.frameCaptions(), captionsFor(0, 30, 30));
}

TEST_F(InputRules, programSetAlarmOutsideTheRange_isRefused) {
    ASSERT_TRUE(form->setHighAlarm(40));
    EXPECT_FALSE(form->setHighAlarm(101));
    EXPECT_FALSE(form->setLowAlarm(-1));
    EXPECT_FALSE(form->setLowAlarm(32767));
    EXPECT_EQ(form->highAlarm(), 40);
    EXPECT_EQ(form->lowAlarm(), 0);
}

class Languages : public InputRules, public testing::WithParamInterface<int> {};

// With no language selected (-1) the captions are English.
TEST_P(Languages, choosingALanguage_relabelsAllSevenFrames) {
    ASSERT_TRUE(form->setHighAlarm(80));
    ASSERT_TRUE(form->setLowAlarm(20));
    if (GetParam() >= 0) {
        window().choose(kCombo1, GetParam());
    } else {
        ASSERT_TRUE(form->setLanguageIndex(3));
        ASSERT_TRUE(form->setLanguageIndex(-1));
    }
    EXPECT_EQ(form->languageIndex(), GetParam());
    EXPECT_EQ(editor.frameCaptions(), captionsFor(GetParam(), 80, 20));
}

INSTANTIATE_TEST_SUITE_P(Each, Languages, testing::Values(0, 1, 2, 3, -1));

TEST_F(InputRules, typedLanguageThenAnAlarmChange_relabelsInEnglish) {
    ASSERT_TRUE(form->setLanguageIndex(2));
    window().editListText(kCombo1, u"Deutsch?");
    EXPECT_EQ(editor.frameCaptions(), captionsFor(2, 0, 0));  // typing alone relabels nothing
    window().settleBar(kHScroll1, 1);
    EXPECT_EQ(form->languageIndex(), -1);
    EXPECT_EQ(editor.frameCaptions(), captionsFor(-1, 1, 0));
}

TEST_F(InputRules, programSetLanguageOutsideTheList_isRefused) {
    ASSERT_TRUE(form->setLanguageIndex(2));
    EXPECT_FALSE(form->setLanguageIndex(4));
    EXPECT_FALSE(form->setLanguageIndex(-2));
    EXPECT_EQ(form->languageIndex(), 2);
    EXPECT_EQ(editor.frameCaptions(), captionsFor(2, 0, 0));
}

struct Typing {
    ControlId field;
    std::u16string_view typed;
    std::u16string_view kept;
    int beeps;
};

class TypedCharacters : public InputRules, public testing::WithParamInterface<Typing> {};

TEST_P(TypedCharacters, typeIntoAField_keepsOnlyWhatItsFilterAndLengthAllow) {
    window().type(GetParam().field, GetParam().typed);
    EXPECT_EQ(window().text(GetParam().field), GetParam().kept);
    EXPECT_EQ(editor.shell.beeps, GetParam().beeps);
}

// Which characters each field takes is tested on the rules themselves (test_text_rules); the
// fields' lengths on each backend's own controls.
INSTANTIATE_TEST_SUITE_P(Fields, TypedCharacters,
                         testing::Values(Typing{kText1_2, u"a 1B", u"1", 3},
                                         Typing{kText5, u"aŁbΩc中", u"abc", 3}));

struct Paste {
    ControlId field;
    std::u16string_view text;
    bool accepted;
};

class PastedText : public InputRules, public testing::WithParamInterface<Paste> {};

// Which texts each field takes is tested on the rules themselves (test_text_rules).
TEST_P(PastedText, paste_takesTheTextWholeOrRefusesItWithABeep) {
    window().paste(GetParam().field, GetParam().text);
    EXPECT_EQ(window().text(GetParam().field), GetParam().accepted ? GetParam().text : u"");
    EXPECT_EQ(editor.shell.beeps, GetParam().accepted ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Texts, PastedText,
                         testing::Values(Paste{kText1_1, u"+31(06.123", true},
                                         Paste{kText5, u"two\r\nlines", false}));

TEST_F(InputRules, programSetText_isCutToTheFieldLengthWithoutABeep) {
    form->setJobDescription(std::u16string(70, u'j'));
    form->setSmsNumber(2, u"0123456789abcdefXYZ");
    EXPECT_EQ(window().text(kText5), std::u16string(64, u'j'));
    EXPECT_EQ(form->smsNumber(2), u"0123456789abcdef");
    EXPECT_EQ(editor.shell.beeps, 0);
}

}  // namespace
