#pragma once

#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

inline constexpr int kTwipsPerInch = 1440;

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

inline int pixelsFromTwips(int twips, int dpi) {
    return MulDiv(twips, dpi, kTwipsPerInch);
}

inline float twipsFromPixels(int pixels, int dpi) {
    return static_cast<float>(pixels) * static_cast<float>(kTwipsPerInch) / static_cast<float>(dpi);
}

inline int pixelsFromTwips(float twips, int dpi) {
    return static_cast<int>(twips * static_cast<float>(dpi) / static_cast<float>(kTwipsPerInch) +
                            (twips < 0 ? -0.5f : 0.5f));
}

}  // namespace orvane::platform::win32
