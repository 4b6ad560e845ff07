#pragma once

// Twips (1/1440 inch) to screen pixels and back, at a given number of pixels per inch.

#include <cmath>
#include <cstdint>

namespace orvane::platform {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;  // where 15 twips make one pixel

// Rounded to the nearest pixel, halves away from zero.
inline int pixelsFromTwips(int twips, int dpi) {
    const std::int64_t scaled = std::int64_t{twips} * dpi;
    const std::int64_t half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                        : (scaled - half) / kTwipsPerInch);
}

// A fractional twip, as the window's centring computes it, goes to the nearest pixel.
inline int pixelsFromTwips(float twips, int dpi) {
    return static_cast<int>(
        std::lround(twips * static_cast<float>(dpi) / static_cast<float>(kTwipsPerInch)));
}

inline float twipsFromPixels(int pixels, int dpi) {
    return static_cast<float>(pixels) * static_cast<float>(kTwipsPerInch) / static_cast<float>(dpi);
}

}  // namespace orvane::platform
