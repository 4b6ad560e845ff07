// The routes by which input, as the message loop delivers it, reaches the editor's rules on the
// real Win32 window: keys and thumb drags on the bars, the language list, typed and pasted text and
// the clipboard. The rules themselves are tested once in tests/ui.

#include <gtest/gtest.h>

#include "platform/win32/windows_api.h"

#include <thread>

#include "i18n/caption_table.h"
#include "platform/win32/combo_box.h"
#include "support/win32_editor.h"
#include "ui/form1_design.h"

namespace {

using namespace orvane::form1;
using orvane::platform::ControlId;
using orvane::test::Win32Editor;
using orvane::test::windowText;

// An alarm frame's caption in English, as the caption table has it.
std::u16string alarmCaption(int frame, int value) {
    orvane::CaptionTable table;
    table.rebuild(static_cast<std::int16_t>(value), static_cast<std::int16_t>(value));
    return table.entry(0, frame);
}

std::u16string highCaption(int value) {
    return alarmCaption(1, value);
}

std::u16string lowCaption(int value) {
    return alarmCaption(2, value);
}

void putOnClipboard(HWND owner, std::u16string_view text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    auto* characters = static_cast<char16_t*>(GlobalLock(memory));
    text.copy(characters, text.size());
    characters[text.size()] = u'\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// Holds the clipboard open from another thread, as another program may, for its lifetime.
class ClipboardHeldElsewhere {
  public:
    ClipboardHeldElsewhere() {
        holder_ = std::thread([this] {
            held_ = OpenClipboard(nullptr) != FALSE;
            SetEvent(opened_);
            WaitForSingleObject(release_, INFINITE);
            if (held_) {
                CloseClipboard();
            }
        });
        WaitForSingleObject(opened_, INFINITE);
    }
    ~ClipboardHeldElsewhere() {
        SetEvent(release_);
        holder_.join();
        CloseHandle(opened_);
        CloseHandle(release_);
    }
    ClipboardHeldElsewhere(const ClipboardHeldElsewhere&) = delete;
    ClipboardHeldElsewhere& operator=(const ClipboardHeldElsewhere&) = delete;

    bool held() const { return held_; }

  private:
    HANDLE opened_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool held_ = false;
    std::thread holder_;
};

class EditorRules : public testing::Test {
  protected:
    void SetUp() override { form = &editor.start(); }
    int scrollValue(ControlId bar) { return GetScrollPos(editor.control(bar), SB_CTL); }

    Win32Editor editor;
    orvane::Form1* form = nullptr;
};

struct BarKeys {
    bool onHighBar;
    UINT key;
    int presses;
    int high;
    int low;
};

class AlarmKeys : public EditorRules, public testing::WithParamInterface<BarKeys> {};

// Each row starts from a high alarm of 50 and a low alarm of 20; the keys go to the focused bar.
// Where a bar pushes the other, for every move: tests/ui.
TEST_P(AlarmKeys, keys_moveOneBarAndPushTheOther) {
    ASSERT_TRUE(form->setHighAlarm(50));
    ASSERT_TRUE(form->setLowAlarm(20));
    const HWND bar = editor.control(GetParam().onHighBar ? kHScroll1 : kHScroll2);
    SetFocus(bar);
    for (int press = 0; press < GetParam().presses; ++press) {
        editor.keyboard().press(GetParam().key);
    }
    EXPECT_EQ(scrollValue(kHScroll1), GetParam().high);
    EXPECT_EQ(scrollValue(kHScroll2), GetParam().low);
    EXPECT_EQ(windowText(editor.control(kFrame1)), highCaption(GetParam().high));
    EXPECT_EQ(windowText(editor.control(kFrame2)), lowCaption(GetParam().low));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AlarmKeys,
    testing::Values(BarKeys{true, VK_LEFT, 15, 35, 20}, BarKeys{true, VK_UP, 1, 49, 20},
                    BarKeys{true, VK_PRIOR, 4, 10, 10}, BarKeys{true, VK_HOME, 1, 0, 0},
                    BarKeys{true, VK_NEXT, 2, 70, 20}, BarKeys{true, VK_END, 1, 100, 20},
                    BarKeys{false, VK_RIGHT, 1, 50, 21}, BarKeys{false, VK_DOWN, 3, 50, 23}));

TEST_F(EditorRules, thumbDrag_otherBarFollowsEveryPosition) {
    ASSERT_TRUE(form->setHighAlarm(50));
    ASSERT_TRUE(form->setLowAlarm(20));
    const HWND bar = editor.control(kHScroll1);
    for (int position = 49; position >= 10; --position) {
        SendMessageW(editor.handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, position),
                     reinterpret_cast<LPARAM>(bar));
        ASSERT_EQ(scrollValue(kHScroll1), position);
        ASSERT_EQ(scrollValue(kHScroll2), std::min(20, position));
    }
    SendMessageW(editor.handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 10),
                 reinterpret_cast<LPARAM>(bar));
    SendMessageW(editor.handle(), WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0),
                 reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(form->highAlarm(), 10);
    EXPECT_EQ(form->lowAlarm(), 10);
}

TEST_F(EditorRules, choosingWithTheArrowKey_relabelsAtOnce) {
    SetFocus(editor.control(kCombo1));
    editor.keyboard().press(VK_DOWN);
    EXPECT_EQ(form->languageIndex(), 1);
    EXPECT_EQ(windowText(editor.control(kCombo1)), u"Français");
    EXPECT_EQ(windowText(editor.control(kFrame0)), orvane::CaptionTable().entry(1, 0));
}

TEST_F(EditorRules, typingInTheSelector_clearsTheSelectionWithoutRelabelling) {
    ASSERT_TRUE(form->setLanguageIndex(1));
    const auto french = editor.frameCaptions();
    const HWND field = orvane::platform::win32::comboEdit(editor.control(kCombo1));
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 8, 8);
    editor.keyboard().type(u"x");
    editor.keyboard().press(VK_RETURN);
    EXPECT_EQ(windowText(editor.control(kCombo1)), u"Françaisx");
    EXPECT_EQ(form->languageIndex(), -1);
    EXPECT_EQ(SendMessageW(editor.control(kCombo1), CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(editor.frameCaptions(), french);

    // Typing an entry's name, even with the list open, selects nothing either.
    SendMessageW(editor.control(kCombo1), CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(field, EM_SETSEL, 0, -1);
    editor.keyboard().type(u"Deutsch");
    EXPECT_EQ(form->languageIndex(), -1);
    editor.keyboard().press(VK_RETURN);
    EXPECT_EQ(form->languageIndex(), -1);
    EXPECT_EQ(windowText(editor.control(kCombo1)), u"Deutsch");
    EXPECT_EQ(editor.frameCaptions(), french);
    EXPECT_EQ(editor.shell.beeps, 0);
}

struct Typing {
    ControlId field;
    std::u16string_view typed;
    std::u16string_view kept;
    int beeps;
};

class TypedCharacters : public EditorRules, public testing::WithParamInterface<Typing> {};

TEST_P(TypedCharacters, typeIntoAField_keepsOnlyWhatItsFilterAndLengthAllow) {
    const HWND field = editor.control(GetParam().field);
    SetFocus(field);
    editor.keyboard().type(GetParam().typed);
    EXPECT_EQ(windowText(field), GetParam().kept);
    EXPECT_EQ(editor.shell.beeps, GetParam().beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypedCharacters,
    testing::Values(Typing{kText1_2, u"a 1B", u"1", 3},
                    Typing{kText1_2, u"12\x0d", u"12", 1},  // Enter
                    Typing{kText5, u"aŁbΩc中", u"abc", 3},
                    Typing{kText5, u"a\U0001F600b", u"ab", 1},  // a surrogate pair, judged whole
                    Typing{kText1_3, u"12345678901234567", u"1234567890123456", 0}));

TEST_F(EditorRules, ctrlKeysInAnSmsField_onlyBeep) {
    putOnClipboard(editor.handle(), u"999");
    const HWND field = editor.control(kText1_2);
    SetFocus(field);
    editor.keyboard().type(u"123");
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (const UINT letter : {'C', 'V', 'X', 'Z'}) {
        editor.keyboard().press(letter, false, true);
    }
    EXPECT_EQ(windowText(field), u"123");
    EXPECT_EQ(editor.shell.beeps, 4);
}

struct Paste {
    ControlId field;
    std::u16string_view text;
    bool accepted;
};

class PastedText : public EditorRules, public testing::WithParamInterface<Paste> {};

TEST_P(PastedText, pasteByEveryRoute_takesTheTextWholeOrRefusesItWithABeep) {
    putOnClipboard(editor.handle(), GetParam().text);
    const HWND field = editor.control(GetParam().field);
    SetFocus(field);
    const std::u16string expected = GetParam().accepted ? std::u16string(GetParam().text) : u"";

    SendMessageW(field, WM_PASTE, 0, 0);
    EXPECT_EQ(windowText(field), expected);
    SetWindowTextW(field, L"");

    editor.keyboard().press(VK_INSERT, true);  // Shift+Insert
    EXPECT_EQ(windowText(field), expected);
    EXPECT_EQ(editor.shell.beeps, GetParam().accepted ? 0 : 2);
}

INSTANTIATE_TEST_SUITE_P(Texts, PastedText,
                         testing::Values(Paste{kText1_1, u"+31(06.123", true},
                                         Paste{kText5, u"two\r\nlines", false}));

// The field's rule cannot judge what it cannot read, so nothing goes in.
TEST_F(EditorRules, pasteWhileAnotherProgramHoldsTheClipboard_isRefusedWithABeep) {
    putOnClipboard(editor.handle(), u"0612");
    const HWND field = editor.control(kText1_1);
    SetFocus(field);
    {
        const ClipboardHeldElsewhere holder;
        ASSERT_TRUE(holder.held());
        SendMessageW(field, WM_PASTE, 0, 0);
        editor.keyboard().press(VK_INSERT, true);  // Shift+Insert
    }
    EXPECT_EQ(windowText(field), u"");
    EXPECT_EQ(editor.shell.beeps, 2);
}

}  // namespace
