#include "platform/win32/win32_dialogs.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_toolkit.h"

namespace orvane::platform::win32 {

// Esc and the close box answer IDCANCEL in a box that has a Cancel button.
Answer Win32Dialogs::ask(std::u16string_view text, std::u16string_view title) {
    const std::wstring message = toWide(text);
    const std::wstring caption = toWide(title);
    switch (MessageBoxW(toolkit_.ownerWindow(), message.c_str(), caption.c_str(),
                        MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

// A Yes/No box has no Cancel button, so Esc and its close box do nothing: the user answers.
bool Win32Dialogs::confirm(std::u16string_view text, std::u16string_view title) {
    const std::wstring message = toWide(text);
    const std::wstring caption = toWide(title);
    return MessageBoxW(toolkit_.ownerWindow(), message.c_str(), caption.c_str(),
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

void Win32Dialogs::warn(std::u16string_view text, std::u16string_view title) {
    const std::wstring message = toWide(text);
    const std::wstring caption = toWide(title);
    MessageBoxW(toolkit_.ownerWindow(), message.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace orvane::platform::win32
