// The system's message boxes as the program uses them: the buttons, what Esc and the close box
// answer, and the window that owns them.

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include "platform/win32/win32_dialogs.h"
#include "support/box_robot.h"
#include "support/win32_editor.h"

namespace {

using orvane::platform::Answer;
using orvane::test::BoxRobot;
using orvane::test::chooseNo;
using orvane::test::chooseYes;
using orvane::test::closeBox;
using orvane::test::pressEscape;

struct Reply {
    const char* name;
    void (*act)(HWND);
    Answer answer;
};

class Question : public testing::TestWithParam<Reply> {};

TEST_P(Question, HasYesNoCancelAndGivesTheAnswer) {
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

TEST(Warning, HasOnlyAnOkButtonAndBelongsToTheWindow) {
    orvane::test::Win32Editor editor;
    editor.start();
    orvane::platform::win32::Win32Dialogs dialogs(editor.toolkit());
    const BoxRobot robot(pressEscape);
    dialogs.warn(u"The settings could not be saved.", u"Exit settings editor");
    EXPECT_EQ(robot.seen().text, u"The settings could not be saved.");
    EXPECT_EQ(robot.seen().owner, editor.handle());
    EXPECT_FALSE(robot.seen().yes || robot.seen().no);
}

}  // namespace
