#include "platform/win32/path_parts.h"

namespace orvane::platform::win32 {

std::u16string parentFolder(std::u16string_view path) {
    const std::size_t separator = path.find_last_of(u"\\/");
    if (separator == std::u16string_view::npos) {
        return {};
    }
    const bool driveRoot = separator == 2 && path[1] == u':';
    const bool root = separator == 0;
    return std::u16string(path.substr(0, driveRoot || root ? separator + 1 : separator));
}

}  // namespace orvane::platform::win32
