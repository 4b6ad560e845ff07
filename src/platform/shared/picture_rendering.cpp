#include "platform/shared/picture_rendering.h"

#include <algorithm>

namespace orvane::platform {

int pictureRendering(std::span<const int> renderings, int width, int height) {
    const long wanted = static_cast<long>(width) * height;
    const auto large = std::find_if(renderings.begin(), renderings.end(), [wanted](int size) {
        return static_cast<long>(size) * size >= wanted;
    });
    return large != renderings.end() ? *large : renderings.back();
}

}  // namespace orvane::platform
