#pragma once

#include "platform/shared/twips.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// The screen's pixels per inch, across and down; 96 at 100 % scaling.
struct ScreenDpi {
    int x = USER_DEFAULT_SCREEN_DPI;
    int y = USER_DEFAULT_SCREEN_DPI;
};

inline ScreenDpi screenDpi() {
    const HDC screen = GetDC(nullptr);
    const ScreenDpi dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace orvane::platform::win32
