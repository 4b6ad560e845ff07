// Whole sessions on the real window: start from a settings file, edit by keyboard, close by every
// route, answer the question, and compare the file byte for byte; the boxes of a file another
// program changed meanwhile, and a program folder longer than MAX_PATH. What the closing prompt
// asks and does in every case is tested once in tests/ui.

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include "i18n/caption_table.h"
#include "i18n/file_messages.h"
#include "platform/win32/win32_dialogs.h"
#include "support/box_robot.h"
#include "support/win32_editor.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::platform::Answer;
using orvane::platform::ControlId;
using orvane::test::Win32Editor;

const std::string kStartFile =
    "JOB=Pump\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+3161\r\nLANGUAGE=1\r\n";
const std::string kEditedFile =
    "JOB=Pump 2\r\nHIGH ALARM=80\r\nLOW ALARM=25\r\nGSM1=+3161\r\nGSM2=0612\r\nGSM3=\r\n"
    "LANGUAGE=1\r\n";

// Types at the end of the job description, moves the low alarm up by 5 and fills SMS number 2.
void editSomeValues(Win32Editor& editor) {
    SetFocus(editor.control(kText5));
    editor.keyboard().press(VK_END);
    editor.keyboard().type(u" 2");
    SetFocus(editor.control(kHScroll2));
    for (int press = 0; press < 5; ++press) {
        editor.keyboard().press(VK_RIGHT);
    }
    SetFocus(editor.control(kText1_2));
    editor.keyboard().type(u"0612");
}

// What the closing prompt does for each answer: tests/ui/test_closing_rules.cpp.
TEST(ClosingSession, cancel_keepsTheValuesAndTheNextCloseAsksAgain) {
    Win32Editor editor;
    editor.writeSettings(kStartFile);
    orvane::Form1& form = editor.start();
    editSomeValues(editor);
    editor.dialogs.answers = {Answer::Cancel, Answer::Yes};
    SendMessageW(editor.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // Alt+F4, the window menu
    ASSERT_TRUE(editor.isOpen());
    EXPECT_EQ(form.jobDescription(), u"Pump 2");
    EXPECT_EQ(form.lowAlarm(), 25);
    SendMessageW(editor.handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.dialogs.questions.size(), 2u);
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(editor.readSettings(), kEditedFile);
}

// Dialogs that, while the question is open, get another request to close the window.
class CloseAgainWhileAsking final : public orvane::platform::Dialogs {
  public:
    HWND window = nullptr;
    int questions = 0;
    orvane::platform::Answer ask(std::u16string_view, std::u16string_view) override {
        ++questions;
        SendMessageW(window, WM_CLOSE, 0, 0);
        return Answer::No;
    }
    bool confirm(std::u16string_view, std::u16string_view) override { return false; }
    void warn(std::u16string_view, std::u16string_view) override {}
};

TEST(ClosingSession, closeRequestWhileTheQuestionIsOpen_isNotAskedAgain) {
    orvane::test::TemporaryFolder folder;
    orvane::platform::win32::Win32Toolkit toolkit;
    CloseAgainWhileAsking dialogs;
    orvane::test::RecordingShell shell;
    const auto form = orvane::Main({toolkit, folder.u16path(), dialogs, shell});
    auto& window = static_cast<orvane::platform::win32::Win32Window&>(form->window());
    dialogs.window = window.handle();
    SendMessageW(window.handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialogs.questions, 1);
    EXPECT_FALSE(window.isVisible());
}

TEST(ClosingSession, aProgramFolderLongerThanMaxPath_isReadAndWrittenThere) {
    Win32Editor editor;
    editor.makeProgramFolder(std::filesystem::path(std::string(100, 'a')) / std::string(100, 'b') /
                             std::string(100, 'c'));
    ASSERT_GT(editor.settingsPath().wstring().size(), std::size_t{MAX_PATH});
    editor.writeSettings(kStartFile);
    orvane::Form1& form = editor.start();
    EXPECT_EQ(form.jobDescription(), u"Pump");
    editSomeValues(editor);
    editor.dialogs.answers = {Answer::Yes};

    SendMessageW(editor.handle(), WM_CLOSE, 0, 0);

    EXPECT_FALSE(editor.isOpen());
    EXPECT_TRUE(editor.dialogs.warnings.empty());
    EXPECT_EQ(editor.readSettings(), kEditedFile);
    EXPECT_EQ(orvane::test::entriesOf(editor.programFolder()),
              std::vector<std::string>{"SETTINGS.TXT"});
}

const std::string kOtherProgramsFile = "JOB=Changed elsewhere\r\n";
const std::string kStartFileSaved =
    "JOB=Pump\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+3161\r\nGSM2=\r\nGSM3=\r\n"
    "LANGUAGE=1\r\n";

struct Replacing {
    const char* name;
    orvane::test::BoxRobot::Action answer;
    bool replaced;
};

class ChangedOnDisk : public testing::TestWithParam<Replacing> {};

TEST_P(ChangedOnDisk, yesOnClosing_asksInTheWindowsLanguageBeforeReplacingTheOtherProgramsFile) {
    Win32Editor editor;
    editor.writeSettings(kStartFile);
    orvane::platform::win32::Win32Dialogs dialogs(editor.toolkit());
    editor.start(dialogs);
    const HWND window = editor.handle();
    editor.writeSettings(kOtherProgramsFile);
    const orvane::test::BoxRobot robot({orvane::test::chooseYes, GetParam().answer});

    SendMessageW(editor.handle(), WM_CLOSE, 0, 0);

    ASSERT_EQ(robot.boxes().size(), 2u);
    const orvane::test::BoxRobot::Seen& confirmation = robot.boxes()[1];
    EXPECT_EQ(confirmation.title,
              orvane::CaptionTable().entry(1, orvane::CaptionTable::kExitTitleSlot));
    EXPECT_EQ(confirmation.text, orvane::changedOnDiskQuestion(1));
    EXPECT_EQ(confirmation.owner, window);
    EXPECT_EQ(IsWindow(window) != FALSE, !GetParam().replaced);
    EXPECT_EQ(editor.readSettings(), GetParam().replaced ? kStartFileSaved : kOtherProgramsFile);
}

INSTANTIATE_TEST_SUITE_P(Answers, ChangedOnDisk,
                         testing::Values(Replacing{"yes", orvane::test::chooseYes, true},
                                         Replacing{"no", orvane::test::chooseNo, false}),
                         [](const testing::TestParamInfo<Replacing>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
