// The routes that close the real window reach the closing prompt, also re-entered while its
// question is open, and a program folder longer than MAX_PATH. What the closing prompt asks and
// does in every case, and what a file another program changed meanwhile asks, is tested once in
// tests/ui.

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include "support/win32_editor.h"

namespace {

using orvane::platform::Answer;
using orvane::test::Win32Editor;

const std::string kStartFile = "JOB=Pump\r\nLANGUAGE=1\r\n";
const std::string kSavedFile =
    "JOB=Pump\r\nHIGH ALARM=0\r\nLOW ALARM=0\r\nGSM1=\r\nGSM2=\r\nGSM3=\r\nLANGUAGE=1\r\n";

TEST(ClosingSession, closeByTheWindowMenuOrCloseMessage_asksAndActsOnTheAnswer) {
    Win32Editor editor;
    editor.writeSettings(kStartFile);
    editor.start();
    editor.dialogs.answers = {Answer::Cancel, Answer::Yes};
    SendMessageW(editor.handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // Alt+F4, the window menu
    ASSERT_TRUE(editor.isOpen());
    SendMessageW(editor.handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.dialogs.questions.size(), 2u);
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(editor.readSettings(), kSavedFile);
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
    orvane::test::ScratchFolder folder;
    orvane::platform::win32::Win32Toolkit toolkit;
    CloseAgainWhileAsking dialogs;
    orvane::test::RecordingShell shell;
    const auto form = orvane::Main({toolkit, folder.path().u16string(), dialogs, shell});
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
    editor.dialogs.answers = {Answer::Yes};

    SendMessageW(editor.handle(), WM_CLOSE, 0, 0);

    EXPECT_FALSE(editor.isOpen());
    EXPECT_TRUE(editor.dialogs.warnings.empty());
    EXPECT_EQ(editor.readSettings(), kSavedFile);
    EXPECT_EQ(orvane::test::entriesOf(editor.programFolder()),
              std::vector<std::string>{"SETTINGS.TXT"});
}

}  // namespace
