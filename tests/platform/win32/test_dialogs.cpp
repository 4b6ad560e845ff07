// The system's message boxes as the program uses them: the buttons, what Esc and the close box
// answer, and the window that owns them.

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include <functional>

#include "platform/win32/win32_dialogs.h"
#include "support/win32_editor.h"

namespace {

using orvane::platform::Answer;
using orvane::test::windowText;

// Finds the message box once it is open and acts on it from inside its own modal loop.
class BoxRobot {
  public:
    struct Seen {
        std::u16string title;
        std::u16string text;
        HWND owner = nullptr;
        bool yes = false, no = false, cancel = false, ok = false;
    };

    explicit BoxRobot(std::function<void(HWND)> action) : action_(std::move(action)) {
        robot_ = this;
        timer_ = SetTimer(nullptr, 0, 50, tick);
    }
    ~BoxRobot() {
        KillTimer(nullptr, timer_);
        robot_ = nullptr;
    }
    const Seen& seen() const { return seen_; }

  private:
    static BOOL CALLBACK findBox(HWND hwnd, LPARAM found) {
        std::array<wchar_t, 16> name{};
        GetClassNameW(hwnd, name.data(), static_cast<int>(name.size()));
        if (IsWindowVisible(hwnd) && std::wstring_view(name.data()) == L"#32770") {
            *reinterpret_cast<HWND*>(found) = hwnd;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
        if (box == nullptr || robot_ == nullptr || robot_->done_) {
            return;
        }
        robot_->done_ = true;
        Seen& seen = robot_->seen_;
        seen.title = windowText(box);
        seen.text = windowText(GetDlgItem(box, 0xFFFF));
        seen.owner = GetWindow(box, GW_OWNER);
        seen.yes = GetDlgItem(box, IDYES) != nullptr;
        seen.no = GetDlgItem(box, IDNO) != nullptr;
        seen.cancel = GetDlgItem(box, IDCANCEL) != nullptr;
        seen.ok = GetDlgItem(box, IDOK) != nullptr;
        robot_->action_(box);
    }

    static inline BoxRobot* robot_ = nullptr;
    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    bool done_ = false;
    Seen seen_;
};

void pressEscape(HWND box) {
    PostMessageW(box, WM_KEYDOWN, VK_ESCAPE, 1);
}
void closeBox(HWND box) {
    PostMessageW(box, WM_CLOSE, 0, 0);
}
void chooseYes(HWND box) {
    PostMessageW(box, WM_COMMAND, IDYES, 0);
}
void chooseNo(HWND box) {
    PostMessageW(box, WM_COMMAND, IDNO, 0);
}

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

}  // namespace
