#pragma once

#include <array>
#include <span>

namespace orvane::platform {

// The sizes, in pixels, each button picture is drawn in, one rendering for each.
inline constexpr std::array<int, 5> kPictureRenderings{16, 24, 32, 48, 64};

// A button picture's size at 100 % scaling; a screen at 150 % shows it 1.5 times as large.
inline constexpr int kButtonPictureSize = 32;

// The rendering, among `renderings` (smallest first), to draw `width` x `height` device pixels
// from: the smallest with at least as many pixels, or else the largest.
int pictureRendering(std::span<const int> renderings, int width, int height);

}  // namespace orvane::platform
