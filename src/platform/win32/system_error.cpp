#include "platform/win32/system_error.h"

#include <string_view>

#include "platform/win32/wide_text.h"

namespace orvane::platform::win32 {

std::u16string systemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) {
        return u"Error " + fromWide(std::to_wstring(error));
    }
    std::wstring_view message(buffer, length);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) {
        message.remove_suffix(1);
    }
    std::u16string text = fromWide(message);
    LocalFree(buffer);
    return text;
}

FileError systemError(DWORD error) {
    return describedError(systemMessage(error));
}

}  // namespace orvane::platform::win32
