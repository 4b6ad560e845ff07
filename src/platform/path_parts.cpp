#include "platform/path_parts.h"

namespace orvane::platform {

PathParts splitPath(std::u16string_view path) {
#ifdef _WIN32
    const std::size_t separator = path.find_last_of(u"\\/");
    const bool driveRoot = separator == 2 && path[1] == u':';
#else
    const std::size_t separator = path.rfind(u'/');
    const bool driveRoot = false;
#endif
    if (separator == std::u16string_view::npos) {
        return {{}, path};
    }
    const bool root = separator == 0;
    return {path.substr(0, driveRoot || root ? separator + 1 : separator),
            path.substr(separator + 1)};
}

}  // namespace orvane::platform
