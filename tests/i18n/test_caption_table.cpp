// The caption table built into the Windows program: its layout, the alarm values and the English
// fallback, apart from any window.

#include <gtest/gtest.h>

#include "i18n/caption_table.h"

namespace {

using orvane::CaptionTable;

TEST(CaptionTable, rebuild_fillsFourColumnsOfNineSlotsAndLeavesTheRestEmpty) {
    CaptionTable table;
    table.rebuild(80, 20);
    for (int language = 0; language < 4; ++language) {
        for (int slot = 0; slot < 9; ++slot) {
            EXPECT_FALSE(table.entry(language, slot).empty()) << language << "/" << slot;
        }
        EXPECT_TRUE(table.entry(language, 9).empty());
    }
    for (int slot = 0; slot < CaptionTable::kSlots; ++slot) {
        EXPECT_TRUE(table.entry(4, slot).empty());
    }
}

struct ClosingTexts {
    int language;
    std::u16string_view title;
    std::u16string_view question;
};

class CaptionTableClosing : public testing::TestWithParam<ClosingTexts> {};

TEST_P(CaptionTableClosing, rebuild_putsTheClosingQuestionInEachLanguage) {
    CaptionTable table;
    table.rebuild(0, 0);
    EXPECT_EQ(table.entry(GetParam().language, CaptionTable::kExitTitleSlot), GetParam().title);
    EXPECT_EQ(table.entry(GetParam().language, CaptionTable::kExitQuestionSlot),
              GetParam().question);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CaptionTableClosing,
    testing::Values(ClosingTexts{0, u"Exit settings editor", u"Save the settings before you exit?"},
                    ClosingTexts{1, u"Quitter éditeur de paramètres",
                                 u"Enregistrer les paramètres avant de quitter?"},
                    ClosingTexts{2, u"Verlassen settings editor",
                                 u"Speichern Sie die Einstellungen, bevor Sie verlassen?"},
                    ClosingTexts{3, u"af te sluiten Settings Editor",
                                 u"Sla de instellingen op voordat u afsluiten?"}));

struct AlarmCaptions {
    std::int16_t high;
    std::int16_t low;
    std::u16string_view highCaption;
    std::u16string_view lowCaption;
};

class CaptionTableAlarms : public testing::TestWithParam<AlarmCaptions> {};

TEST_P(CaptionTableAlarms, rebuild_showsTheAlarmValuesInPascal) {
    CaptionTable table;
    table.rebuild(GetParam().high, GetParam().low);
    EXPECT_EQ(table.entry(0, 1), GetParam().highCaption);
    EXPECT_EQ(table.entry(0, 2), GetParam().lowCaption);
}

INSTANTIATE_TEST_SUITE_P(Values, CaptionTableAlarms,
                         testing::Values(AlarmCaptions{55, 20, u"High pressure alarm (55Pa)",
                                                       u"Low pressure alarm (20Pa)"},
                                         AlarmCaptions{0, 0, u"High pressure alarm (0Pa)",
                                                       u"Low pressure alarm (0Pa)"},
                                         AlarmCaptions{-5, -32768, u"High pressure alarm (-5Pa)",
                                                       u"Low pressure alarm (-32768Pa)"}));

TEST(CaptionTable, columnFor_fallsBackToEnglishOutsideTheLanguages) {
    const std::pair<int, int> cases[] = {{-1, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 0}};
    for (const auto& [index, column] : cases) {
        EXPECT_EQ(CaptionTable::columnFor(index), column) << "index " << index;
    }
}

}  // namespace
