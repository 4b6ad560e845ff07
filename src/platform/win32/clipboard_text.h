#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// The text on the clipboard, empty when it holds none or cannot be opened.
std::u16string clipboardText(HWND owner);

}  // namespace orvane::platform::win32
