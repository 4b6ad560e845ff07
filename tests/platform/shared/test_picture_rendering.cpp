// The rendering of a picture that both backends draw at a size: at 150 % the 48-pixel one.

#include <gtest/gtest.h>

#include <array>

#include "platform/shared/picture_rendering.h"

TEST(PictureRendering, size_givesTheSmallestRenderingAtLeastAsLargeOrElseTheLargest) {
    using orvane::platform::pictureRendering;
    constexpr auto kAll = orvane::platform::kPictureRenderings;
    EXPECT_EQ(pictureRendering(kAll, 1, 1), 16);
    EXPECT_EQ(pictureRendering(kAll, 32, 32), 32);
    EXPECT_EQ(pictureRendering(kAll, 40, 40), 48);
    EXPECT_EQ(pictureRendering(kAll, 48, 48), 48);
    EXPECT_EQ(pictureRendering(kAll, 33, 32), 48);
    EXPECT_EQ(pictureRendering(kAll, 96, 96), 64);
    EXPECT_EQ(pictureRendering(std::array{32, 48, 64}, 16, 16), 32);
}
