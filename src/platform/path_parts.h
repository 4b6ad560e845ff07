#pragma once

#include <string_view>

namespace orvane::platform {

// A path cut at its last separator ("/" on Linux, "\" or "/" on Windows).
struct PathParts {
    // Everything before the separator, keeping the separator of a root ("/", "\" or "C:\").
    // Empty when the path names no folder.
    std::u16string_view folder;
    // Everything after it: the whole path when there is no separator.
    std::u16string_view name;
};

PathParts splitPath(std::u16string_view path);

}  // namespace orvane::platform
