// Start-up from a SETTINGS.TXT beside the program, on a window without a toolkit, in both builds:
// the loaded values go in as a user's edits would, so the alarm coupling and the relabelling run
// while the file is read.

#include <gtest/gtest.h>

#include "i18n/caption_table.h"
#include "support/fake_window.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::CaptionTable;
using orvane::test::FakeEditor;

struct Started {
    const char* file;
    int high;
    int low;
    int language;
};

class StartFromFile : public testing::TestWithParam<Started> {};

TEST_P(StartFromFile, startFromFile_setsTheValuesThroughTheAlarmAndLanguageRules) {
    FakeEditor editor;
    editor.writeSettings(GetParam().file);
    const orvane::Form1& form = editor.start();
    EXPECT_EQ(form.highAlarm(), GetParam().high);
    EXPECT_EQ(form.lowAlarm(), GetParam().low);
    EXPECT_EQ(form.languageIndex(), GetParam().language);
    CaptionTable table;
    table.rebuild(static_cast<std::int16_t>(GetParam().high),
                  static_cast<std::int16_t>(GetParam().low));
    std::vector<std::u16string> captions;
    for (int frame = 0; frame < orvane::FrameCaptions::kFrameCount; ++frame) {
        captions.push_back(table.entry(CaptionTable::columnFor(GetParam().language), frame));
    }
    EXPECT_EQ(editor.frameCaptions(), captions);
}

// Language -1 selects nothing, and the window is in English.
INSTANTIATE_TEST_SUITE_P(
    Files, StartFromFile,
    testing::Values(Started{"HIGH ALARM=80\r\nLOW ALARM=20\r\nLANGUAGE=1\r\n", 80, 20, 1},
                    Started{"HIGH ALARM=30\r\nLOW ALARM=50\r\n", 50, 50, 0},  // drags high up
                    Started{"LOW ALARM=60\r\nHIGH ALARM=40\r\n", 40, 40, 0},  // pulls low down
                    Started{"LANGUAGE=2\r\n", 0, 0, 2},
                    Started{"HIGH ALARM=70\nHIGH ALARM=101\nLANGUAGE=9\nLOW ALARM=abc\n"
                            "LANGUAGE=3\n",
                            70, 0, 3},
                    Started{"LANGUAGE=2\r\nLANGUAGE=-1\r\nHIGH ALARM=12\r\n", 12, 0, -1}));

TEST(StartFromFile, startWithCodePageTexts_showsThemDecodedInTheirFields) {
    FakeEditor editor;
    // Windows-1252: é is 233, € is 128, ™ is 153.
    editor.writeSettings("job=Caf\xe9 \x80 5\x99\r\nGSM1=+31612345678\r\nGSM3=abc def\r\n");
    editor.start();
    EXPECT_EQ(editor.window().text(kText5), u"Café € 5™");
    EXPECT_EQ(editor.window().text(kText1_1), u"+31612345678");
    EXPECT_EQ(editor.window().text(kText1_3), u"abc def");  // as the file has it
    EXPECT_EQ(editor.window().text(kText1_2), u"");
    EXPECT_EQ(editor.shell.beeps, 0);
}

}  // namespace
