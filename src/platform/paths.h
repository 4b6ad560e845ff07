#pragma once

#include <string>
#include <string_view>

namespace orvane::platform {

#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

// The entry `name` inside `folder`, with exactly one separator between them, also when the folder
// is a root ("/" or "C:\") and so already ends in one.
inline std::u16string childPath(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    if (path.empty() || path.back() != kPathSeparator) {
        path += kPathSeparator;
    }
    path += name;
    return path;
}

}  // namespace orvane::platform
