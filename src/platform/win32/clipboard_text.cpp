#include "platform/win32/clipboard_text.h"

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

}  // namespace

std::optional<std::u16string> clipboardText(HWND owner) {
    if (!OpenClipboard(owner)) {
        return std::nullopt;
    }
    std::optional<std::u16string> text = textOfOpenClipboard();
    CloseClipboard();
    return text;
}

}  // namespace orvane::platform::win32
