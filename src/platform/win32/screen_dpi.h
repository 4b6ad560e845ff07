#pragma once

#include "platform/shared/twips.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// Pixels per inch, across and down; 96 at 100 % scaling.
struct ScreenDpi {
    int x = USER_DEFAULT_SCREEN_DPI;
    int y = USER_DEFAULT_SCREEN_DPI;
    bool operator==(const ScreenDpi&) const = default;
};

// The system's DPI: that of the main screen when the user signed in.
inline ScreenDpi screenDpi() {
    const HDC screen = GetDC(nullptr);
    const ScreenDpi dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The DPI of the monitor `window` is on, as Windows 10 (1607 and later) gives it to a program
// aware of each monitor's DPI; elsewhere there is one DPI, the system's.
inline ScreenDpi windowDpi(HWND window) {
    // Looked up, not imported, so that older Windows still start the program.
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowCall>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    if (dpi == 0) {
        return screenDpi();
    }
    return {static_cast<int>(dpi), static_cast<int>(dpi)};
}

}  // namespace orvane::platform::win32
