#include "platform/win32/clipboard_text.h"

namespace orvane::platform::win32 {

std::u16string clipboardText(HWND owner) {
    std::u16string text;
    if (!OpenClipboard(owner)) {
        return text;
    }
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto* characters = static_cast<const char16_t*>(GlobalLock(data))) {
            text = characters;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace orvane::platform::win32
