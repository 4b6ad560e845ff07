// What the Win32 window reports to the program: user actions only, each as the right notification,
// and nothing from the program's own setters or after the window has gone.

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include "platform/win32/combo_box.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window.h"
#include "support/keyboard.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::platform::ControlId;

class RecordingEvents final : public orvane::platform::FormEvents {
  public:
    mutable std::vector<std::string> log;
    bool stayOpen = false;

    bool queryUnload() override {
        log.push_back("queryUnload");
        return stayOpen;
    }
    void click(ControlId control) override { log.push_back("click " + std::to_string(control)); }
    void change(ControlId control) override { log.push_back("change " + std::to_string(control)); }
    void scroll(ControlId control) override { log.push_back("scroll " + std::to_string(control)); }
    void keyPress(ControlId control, std::int16_t& keyAscii) override {
        log.push_back("keyPress " + std::to_string(control) + " " + std::to_string(keyAscii));
    }
    bool allowsInsertion(ControlId control, std::u16string_view inserted) const override {
        log.push_back("insert " + std::to_string(control) + " " + std::to_string(inserted.size()));
        return true;
    }
    void insertionRefused(ControlId control) override {
        log.push_back("refused " + std::to_string(control));
    }
};

using Log = std::vector<std::string>;

class WindowEvents : public testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<orvane::platform::win32::Win32Window>(toolkit, design(), events);
        for (const auto* item : {u"English", u"Français", u"Deutsch"}) {
            window->addItem(kCombo1, window->itemCount(kCombo1), item);
        }
        window->show();
        toolkit.processPendingMessages();
        events.log.clear();
    }
    void scrollRequest(ControlId bar, int request, int position = 0) {
        SendMessageW(window->handle(), WM_HSCROLL, MAKEWPARAM(request, position),
                     reinterpret_cast<LPARAM>(window->control(bar)));
    }

    orvane::platform::win32::Win32Toolkit toolkit;
    RecordingEvents events;
    std::unique_ptr<orvane::platform::win32::Win32Window> window;
};

TEST_F(WindowEvents, setFromTheProgram_reportsNothing) {
    window->setValue(kHScroll1, 40);
    window->setListIndex(kCombo1, 2);
    window->setListIndex(kCombo1, -1);
    window->setText(kCombo1, u"typed");
    window->setText(kText5, u"job");
    window->setText(kFrame3, u"caption");
    window->setCaption(u"title");
    window->addItem(kCombo1, 0, u"first");
    toolkit.processPendingMessages();
    EXPECT_EQ(events.log, Log{});
    EXPECT_EQ(window->value(kHScroll1), 40);
    EXPECT_EQ(window->text(kText5), u"job");
    EXPECT_EQ(window->text(kFrame3), u"caption");
}

TEST_F(WindowEvents, setTheComboText_keepsTheSelection) {
    window->setListIndex(kCombo1, 1);
    window->setText(kCombo1, u"Deutsch");
    EXPECT_EQ(window->listIndex(kCombo1), 1);
    EXPECT_EQ(window->text(kCombo1), u"Deutsch");
}

TEST_F(WindowEvents, thumbDrag_reportsScrollsThenOneChange) {
    window->setValue(kHScroll2, 50);
    scrollRequest(kHScroll2, SB_THUMBTRACK, 52);
    scrollRequest(kHScroll2, SB_THUMBTRACK, 52);
    scrollRequest(kHScroll2, SB_THUMBTRACK, 55);
    scrollRequest(kHScroll2, SB_THUMBPOSITION, 55);
    scrollRequest(kHScroll2, SB_ENDSCROLL);
    EXPECT_EQ(events.log, (Log{"scroll 7", "scroll 7", "change 7"}));
    EXPECT_EQ(window->value(kHScroll2), 55);
}

TEST_F(WindowEvents, arrowsTroughAndKeys_reportAChangeOnlyForANewValue) {
    scrollRequest(kHScroll1, SB_LINELEFT);  // already at 0
    scrollRequest(kHScroll1, SB_LINERIGHT);
    scrollRequest(kHScroll1, SB_PAGERIGHT);
    SetFocus(window->control(kHScroll1));
    orvane::test::Keyboard(toolkit).press(VK_END);
    EXPECT_EQ(events.log, (Log{"change 5", "change 5", "change 5"}));
    EXPECT_EQ(window->value(kHScroll1), 100);
}

TEST_F(WindowEvents, chooseAnEntryThenType_reportsOneClickAndNothingForTheTyping) {
    SetFocus(window->control(kCombo1));
    orvane::test::Keyboard keyboard(toolkit);
    keyboard.press(VK_DOWN);
    EXPECT_EQ(events.log, Log{"click 1"});
    EXPECT_EQ(window->listIndex(kCombo1), 0);
    events.log.clear();
    keyboard.type(u"?");
    EXPECT_EQ(events.log, Log{});
    EXPECT_EQ(window->listIndex(kCombo1), -1);
    EXPECT_EQ(window->text(kCombo1), u"?");
}

TEST_F(WindowEvents, typeAndPasteInATextBox_reportsKeystrokesAndInsertions) {
    ASSERT_TRUE(OpenClipboard(window->handle()));
    EmptyClipboard();
    CloseClipboard();
    SetFocus(window->control(kText5));
    orvane::test::Keyboard keyboard(toolkit);
    keyboard.type(u"a");
    keyboard.press('V', false, true);  // Ctrl+V with an empty clipboard inserts nothing
    EXPECT_EQ(events.log, (Log{"keyPress 9 97", "insert 9 1", "keyPress 9 22"}));
}

TEST_F(WindowEvents, clickMessageOrEnterOnAButton_reportsAClick) {
    SendMessageW(window->control(kCommand2), BM_CLICK, 0, 0);
    SetFocus(window->control(kCommand1));
    orvane::test::Keyboard(toolkit).press(VK_RETURN);
    EXPECT_EQ(events.log, (Log{"click 2", "click 3"}));
}

TEST_F(WindowEvents, closeInEveryWay_asksFirstAndKeepsTheWindowWhenTheProgramStays) {
    events.stayOpen = true;
    SendMessageW(window->handle(), WM_CLOSE, 0, 0);
    SendMessageW(window->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(SendMessageW(window->handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(events.log, (Log{"queryUnload", "queryUnload", "queryUnload"}));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowEvents, closeWithTheProgramsAgreement_destroysTheWindowAndEndsTheLoop) {
    const HWND handle = window->handle();
    PostMessageW(handle, WM_CLOSE, 0, 0);
    EXPECT_EQ(toolkit.run(), 0);  // returns once the window is gone
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(events.log, Log{"queryUnload"});
    // Nothing reaches the program any more.
    window->setValue(kHScroll1, 10);
    EXPECT_EQ(window->itemCount(kCombo1), 0);
    EXPECT_EQ(events.log, Log{"queryUnload"});
}

TEST_F(WindowEvents, endSessionWithTheProgramsAgreement_isAllowedAndDestroysTheWindow) {
    const HWND handle = window->handle();
    EXPECT_EQ(SendMessageW(handle, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_FALSE(IsWindow(handle));
}

}  // namespace
