// The closing prompt on a window without a toolkit, in both builds: whatever closes the window,
// the question in the window's language, and what each answer does to the window and the file.
// The backends' tests keep the routes by which their windows are closed.

#include <gtest/gtest.h>

#include <filesystem>

#include "i18n/caption_table.h"
#include "i18n/file_messages.h"
#include "settings/settings_path.h"
#include "support/fake_window.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::CaptionTable;
using orvane::platform::Answer;
using orvane::test::FakeEditor;

const std::string kStartFile =
    "JOB=Pump\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+3161\r\nLANGUAGE=1\r\n";
const std::string kEditedFile =
    "JOB=Pump 2\r\nHIGH ALARM=80\r\nLOW ALARM=25\r\nGSM1=+3161\r\nGSM2=0612\r\nGSM3=\r\n"
    "LANGUAGE=1\r\n";

// Types at the end of the job description, moves the low alarm up by 5 and fills SMS number 2.
void editSomeValues(FakeEditor& editor) {
    editor.window().type(kText5, u" 2");
    editor.window().settleBar(kHScroll2, 25);
    editor.window().type(kText1_2, u"0612");
}

std::u16string captionEntry(int language, int slot) {
    return CaptionTable().entry(CaptionTable::columnFor(language), slot);
}

struct Closing {
    Answer answer;
    bool saved;
    bool closed;
};

class ClosingAnswers : public testing::TestWithParam<Closing> {};

TEST_P(ClosingAnswers, closing_asksAndActsOnTheAnswer) {
    FakeEditor editor;
    editor.writeSettings(kStartFile);
    editor.start();
    editSomeValues(editor);
    editor.dialogs.answers = {GetParam().answer};

    EXPECT_EQ(editor.window().close(), GetParam().closed);

    ASSERT_EQ(editor.dialogs.questions.size(), 1u);
    EXPECT_EQ(editor.window().isVisible(), !GetParam().closed);
    EXPECT_EQ(editor.readSettings(), GetParam().saved ? kEditedFile : kStartFile);
    EXPECT_TRUE(editor.dialogs.warnings.empty());
    // No temporary file is left beside the settings file.
    EXPECT_EQ(editor.folder().entries(), std::vector<std::string>{"SETTINGS.TXT"});
}

INSTANTIATE_TEST_SUITE_P(Answers, ClosingAnswers,
                         testing::Values(Closing{Answer::Yes, true, true},
                                         Closing{Answer::No, false, true},
                                         Closing{Answer::Cancel, false, false}));

TEST(ClosingPrompt, cancel_keepsTheValuesAndTheNextCloseAsksAgain) {
    FakeEditor editor;
    editor.writeSettings(kStartFile);
    orvane::Form1& form = editor.start();
    editSomeValues(editor);
    editor.dialogs.answers = {Answer::Cancel, Answer::Yes};

    EXPECT_FALSE(editor.window().close());
    EXPECT_EQ(form.jobDescription(), u"Pump 2");
    EXPECT_EQ(form.lowAlarm(), 25);
    EXPECT_EQ(form.languageIndex(), 1);

    EXPECT_TRUE(editor.window().close());
    EXPECT_EQ(editor.dialogs.questions.size(), 2u);
    EXPECT_EQ(editor.readSettings(), kEditedFile);
}

TEST(ClosingPrompt, answerYesWithoutAFile_writesTheDefaults) {
    FakeEditor editor;
    editor.start();
    editor.dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(editor.window().close());
    EXPECT_EQ(editor.readSettings(),
              "JOB=\r\nHIGH ALARM=0\r\nLOW ALARM=0\r\nGSM1=\r\nGSM2=\r\nGSM3=\r\nLANGUAGE=0\r\n");
}

class QuestionLanguage : public testing::TestWithParam<int> {};

// With no language selected (-1) the question is asked in English.
TEST_P(QuestionLanguage, question_isInTheSelectedLanguage) {
    FakeEditor editor;
    orvane::Form1& form = editor.start();
    ASSERT_TRUE(form.setLanguageIndex(static_cast<std::int16_t>(GetParam())));
    editor.dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(editor.window().close());
    ASSERT_EQ(editor.dialogs.questions.size(), 1u);
    EXPECT_EQ(editor.dialogs.questions[0].title,
              captionEntry(GetParam(), CaptionTable::kExitTitleSlot));
    EXPECT_EQ(editor.dialogs.questions[0].text,
              captionEntry(GetParam(), CaptionTable::kExitQuestionSlot));
}

INSTANTIATE_TEST_SUITE_P(Each, QuestionLanguage, testing::Values(0, 1, 2, 3, -1));

TEST(ClosingPrompt, failedSave_isShownAndKeepsTheWindowOpen) {
    FakeEditor editor;
    // A folder where the file should be: nothing can be written in its place.
    ASSERT_TRUE(std::filesystem::create_directory(editor.settingsPath()));
    orvane::Form1& form = editor.start();
    // Start-up already said that this SETTINGS.TXT could not be read.
    ASSERT_EQ(editor.dialogs.warnings.size(), 1u);
    ASSERT_TRUE(form.setLanguageIndex(1));
    ASSERT_TRUE(form.setHighAlarm(66));
    editor.dialogs.answers = {Answer::Yes, Answer::No};

    EXPECT_FALSE(editor.window().close());
    ASSERT_EQ(editor.dialogs.warnings.size(), 2u);
    // The program's own reason, in the window's language.
    EXPECT_EQ(editor.dialogs.warnings[1].text,
              orvane::saveFailureMessage(
                  1, orvane::shownSettingsFilePath(editor.folder().path().u16string()),
                  {orvane::platform::FileProblem::NotRegularFile, {}}));
    EXPECT_EQ(editor.dialogs.warnings[1].title, captionEntry(1, CaptionTable::kExitTitleSlot));
    EXPECT_EQ(form.highAlarm(), 66);
    EXPECT_TRUE(std::filesystem::is_directory(editor.settingsPath()));
    EXPECT_EQ(editor.folder().entries(), std::vector<std::string>{"SETTINGS.TXT"});

    // The user gives up on saving: No closes without another try.
    EXPECT_TRUE(editor.window().close());
    EXPECT_EQ(editor.dialogs.warnings.size(), 2u);
}

}  // namespace
