#pragma once

#include <optional>
#include <string>

#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// The text on the clipboard: empty when it holds none, nothing when the clipboard cannot be opened
// (another program has it open) or its text cannot be read.
std::optional<std::u16string> clipboardText(HWND owner);

}  // namespace orvane::platform::win32
