// The rendering of a picture that both backends draw at a size: at 150 % the 48-pixel one.

#include <gtest/gtest.h>

#include <array>

#include "platform/picture_rendering.h"

namespace {

using orvane::platform::kPictureRenderings;
using orvane::platform::pictureRendering;

TEST(PictureRendering, size_givesTheSmallestRenderingAtLeastAsLargeOrElseTheLargest) {
    struct Row {
        int width, height, rendering;
    };
    for (const Row row : {Row{1, 1, 16}, Row{32, 32, 32}, Row{40, 40, 48}, Row{48, 48, 48},
                          Row{33, 32, 48}, Row{64, 64, 64}, Row{96, 96, 64}}) {
        EXPECT_EQ(pictureRendering(kPictureRenderings, row.width, row.height), row.rendering)
            << row.width << " x " << row.height;
    }
    constexpr std::array kFromThirtyTwo{32, 48, 64};
    EXPECT_EQ(pictureRendering(kFromThirtyTwo, 16, 16), 32);
}

}  // namespace
