// The system's message boxes as the program uses them: the buttons, what Esc and the close box
// answer, the window that owns them, and the box of a settings file read only in part.

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include "i18n/file_messages.h"
#include "platform/win32/win32_dialogs.h"
#include "support/box_robot.h"
#include "support/injected_fault.h"
#include "support/win32_editor.h"

namespace {

using orvane::platform::Answer;
using orvane::test::BoxRobot;
using orvane::test::chooseNo;
using orvane::test::chooseOk;
using orvane::test::chooseYes;
using orvane::test::closeBox;
using orvane::test::pressEscape;

struct Reply {
    const char* name;
    void (*act)(HWND);
    Answer answer;
};

class Question : public testing::TestWithParam<Reply> {};

TEST_P(Question, ask_showsYesNoCancelAndGivesTheAnswer) {
    orvane::test::Win32Editor editor;
    editor.start();
    orvane::platform::win32::Win32Dialogs dialogs(editor.toolkit());
    const BoxRobot robot(GetParam().act);
    EXPECT_EQ(dialogs.ask(u"Save the settings before you exit?", u"Exit settings editor"),
              GetParam().answer);
    EXPECT_EQ(robot.seen().title, u"Exit settings editor");
    EXPECT_EQ(robot.seen().text, u"Save the settings before you exit?");
    EXPECT_EQ(robot.seen().owner, editor.handle());
    EXPECT_TRUE(robot.seen().yes && robot.seen().no && robot.seen().cancel);
}

INSTANTIATE_TEST_SUITE_P(Replies, Question,
                         testing::Values(Reply{"yes", chooseYes, Answer::Yes},
                                         Reply{"no", chooseNo, Answer::No},
                                         Reply{"escape", pressEscape, Answer::Cancel},
                                         Reply{"close_box", closeBox, Answer::Cancel}),
                         [](const testing::TestParamInfo<Reply>& row) {
                             return std::string(row.param.name);
                         });

TEST(Warning, warn_showsOnlyAnOkButtonAndBelongsToTheWindow) {
    orvane::test::Win32Editor editor;
    editor.start();
    orvane::platform::win32::Win32Dialogs dialogs(editor.toolkit());
    const BoxRobot robot(pressEscape);
    dialogs.warn(u"The settings could not be saved.", u"Exit settings editor");
    EXPECT_EQ(robot.seen().text, u"The settings could not be saved.");
    EXPECT_EQ(robot.seen().owner, editor.handle());
    EXPECT_FALSE(robot.seen().yes || robot.seen().no);
}

class Confirmation : public testing::TestWithParam<Reply> {};

TEST_P(Confirmation, confirm_hasYesAndNoWithNoAsTheDefaultAndTheWarningIcon) {
    orvane::test::Win32Editor editor;
    editor.start();
    orvane::platform::win32::Win32Dialogs dialogs(editor.toolkit());
    const BoxRobot robot(GetParam().act);
    EXPECT_EQ(dialogs.confirm(u"Replace it?", u"Exit settings editor"),
              GetParam().answer == Answer::Yes);
    EXPECT_EQ(robot.seen().text, u"Replace it?");
    EXPECT_EQ(robot.seen().owner, editor.handle());
    EXPECT_TRUE(robot.seen().yes && robot.seen().no);
    EXPECT_FALSE(robot.seen().cancel);
    EXPECT_EQ(robot.seen().defaultButton, IDNO);
    EXPECT_EQ(robot.seen().icon, LoadIconW(nullptr, IDI_WARNING));
}

INSTANTIATE_TEST_SUITE_P(Replies, Confirmation,
                         testing::Values(Reply{"yes", chooseYes, Answer::Yes},
                                         Reply{"no", chooseNo, Answer::No}),
                         [](const testing::TestParamInfo<Reply>& row) {
                             return std::string(row.param.name);
                         });

// The first read fills the reader's whole chunk; the second one fails.
TEST(PartialRead, aReadErrorPartWay_showsTheBoxInTheFilesLanguageOverTheShownWindow) {
    orvane::test::Win32Editor editor;
    std::string file = "LANGUAGE=3\r\nHIGH ALARM=80\r\n";
    file.resize(128 * 1024, '\n');
    file += "LOW ALARM=20\r\n";
    editor.writeSettings(file);
    orvane::platform::win32::Win32Dialogs dialogs(editor.toolkit());
    const BoxRobot robot(chooseOk);
    const orvane::test::InjectedFaults faults{{orvane::test::SystemCall::Read, ERROR_CRC, 2}};

    orvane::Form1& form = editor.start(dialogs);

    EXPECT_EQ(form.highAlarm(), 80);
    EXPECT_EQ(form.lowAlarm(), 0);
    EXPECT_EQ(robot.seen().title, u"Orvane™ PM");
    EXPECT_EQ(robot.seen().text,
              orvane::partialReadMessage(3, editor.settingsPath().u16string(),
                                         {orvane::platform::FileProblem::InputOutput, {}}));
    EXPECT_EQ(robot.seen().owner, editor.handle());
    EXPECT_TRUE(robot.seen().ownerVisible);
}

}  // namespace
