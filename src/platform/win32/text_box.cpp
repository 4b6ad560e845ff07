#include "platform/win32/text_box.h"

#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <imm.h>

#include <optional>

#include "platform/win32/wide_text.h"

namespace orvane::platform::win32 {
namespace {

std::optional<std::u16string> textOfOpenClipboard() {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        return std::u16string();
    }
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) {
        return std::nullopt;
    }
    const auto* characters = static_cast<const char16_t*>(GlobalLock(data));
    if (characters == nullptr) {
        return std::nullopt;
    }
    // Another program's text need not end in a null character: no more than the block is read.
    const std::u16string_view block(characters, GlobalSize(data) / sizeof(char16_t));
    std::u16string text(block.substr(0, block.find(u'\0')));
    GlobalUnlock(data);
    return text;
}

// The text on the clipboard: empty when it holds none, nothing when the clipboard cannot be opened
// (another program has it open) or its text cannot be read.
std::optional<std::u16string> clipboardText(HWND owner) {
    if (!OpenClipboard(owner)) {
        return std::nullopt;
    }
    std::optional<std::u16string> text = textOfOpenClipboard();
    CloseClipboard();
    return text;
}

constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kDelete = 0x7F;

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

TextBoxInput::TextBoxInput(HWND box, ControlId id, EventGate& events)
    : box_(box), id_(id), events_(events) {
    SetWindowSubclass(box_, procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

TextBoxInput::~TextBoxInput() {
    if (IsWindow(box_)) {
        RemoveWindowSubclass(box_, procedure, 0);
    }
}

LRESULT CALLBACK TextBoxInput::procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*subclass*/, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, procedure, 0);
        return DefSubclassProc(box, message, wParam, lParam);
    }
    return reinterpret_cast<TextBoxInput*>(self)->handle(message, wParam, lParam);
}

LRESULT TextBoxInput::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR:
            return character(message, static_cast<char16_t>(wParam), lParam, true);
        case WM_IME_CHAR:
            return character(message, static_cast<char16_t>(wParam), lParam, false);
        case WM_PASTE:
            paste();
            return 0;
        case WM_KEYDOWN:
            // Shift+Insert pastes inside the control without a WM_PASTE message.
            if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0) {
                paste();
                return 0;
            }
            break;
        case WM_IME_COMPOSITION:
            if ((lParam & GCS_RESULTSTR) != 0 && !acceptsComposition(lParam)) {
                return 0;
            }
            break;
        default:
            break;
    }
    return DefSubclassProc(box_, message, wParam, lParam);
}

// A character outside the Basic Multilingual Plane arrives as two messages; it is judged whole,
// when its second half comes.
LRESULT TextBoxInput::character(UINT message, char16_t unit, LPARAM lParam, bool keystroke) {
    if (isHighSurrogate(unit)) {
        pendingHighSurrogate_ = unit;
        return 0;
    }
    if (isLowSurrogate(unit) && pendingHighSurrogate_ != 0) {
        const char16_t pair[] = {pendingHighSurrogate_, unit};
        pendingHighSurrogate_ = 0;
        if (events_.acceptInsertion(id_, std::u16string_view(pair, 2))) {
            DefSubclassProc(box_, message, pair[0], lParam);
            DefSubclassProc(box_, message, pair[1], lParam);
        }
        return 0;
    }
    pendingHighSurrogate_ = 0;
    if (keystroke) {
        auto keyAscii = static_cast<std::int16_t>(unit);
        events_.keyPress(id_, keyAscii);
        if (keyAscii == 0) {
            return 0;
        }
        unit = static_cast<char16_t>(keyAscii);
    }
    if (unit >= kFirstPrintable && unit != kDelete &&
        !events_.acceptInsertion(id_, std::u16string_view(&unit, 1))) {
        return 0;
    }
    return DefSubclassProc(box_, message, unit, lParam);
}

// The clipboard is read once and exactly the text the field's rule took goes in, so that nothing
// put there in between slips past the rule. A clipboard that cannot be read refuses the paste.
void TextBoxInput::paste() {
    const std::optional<std::u16string> text = clipboardText(box_);
    if (!text) {
        events_.insertionRefused(id_);
        return;
    }
    if (text->empty() || !events_.acceptInsertion(id_, *text)) {
        return;
    }
    const std::wstring wide = toWide(*text);
    SendMessageW(box_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool TextBoxInput::acceptsComposition(LPARAM /*lParam*/) {
    const HIMC context = ImmGetContext(box_);
    if (context == nullptr) {
        return true;
    }
    std::u16string text;
    const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    if (bytes > 0) {
        std::wstring result(static_cast<std::size_t>(bytes) / sizeof(wchar_t), L'\0');
        ImmGetCompositionStringW(context, GCS_RESULTSTR, result.data(), static_cast<DWORD>(bytes));
        text.assign(result.begin(), result.end());
    }
    ImmReleaseContext(box_, context);
    return text.empty() || events_.acceptInsertion(id_, text);
}

}  // namespace orvane::platform::win32
