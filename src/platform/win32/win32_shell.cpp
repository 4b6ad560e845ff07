#include "platform/win32/win32_shell.h"

#include "platform/win32/windows_api.h"

#include <shellapi.h>

#include "platform/win32/long_path.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_toolkit.h"

namespace orvane::platform::win32 {

void Win32Shell::beep() {
    MessageBeep(MB_OK);
}

bool Win32Shell::isDirectory(std::u16string_view path) {
    const DWORD attributes = GetFileAttributesW(longPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool Win32Shell::openFolder(std::u16string_view path) {
    return open(path);
}

bool Win32Shell::openAddress(std::u16string_view address) {
    return open(address);
}

// ShellExecuteW returns a value above 32 when it started something.
bool Win32Shell::open(std::u16string_view target) {
    constexpr INT_PTR kLastError = 32;
    const std::wstring file = toWide(target);
    const HINSTANCE result = ShellExecuteW(toolkit_.ownerWindow(), L"open", file.c_str(), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > kLastError;
}

}  // namespace orvane::platform::win32
