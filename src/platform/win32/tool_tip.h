#pragma once

#include <string_view>

#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// A tooltip window owned by `owner` that shows `text` over the control `tool`; it follows the
// mouse by itself and goes with its owner.
HWND createToolTip(HWND owner, HWND tool, std::u16string_view text);

}  // namespace orvane::platform::win32
