#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

// Paths are UTF-16 text. On Windows that is the system's own form. On Linux a path is bytes: they
// are kept as UTF-8, and every byte that is not part of valid UTF-8 is kept as the lone surrogate
// U+DC80 to U+DCFF, so that any name the system gives round-trips byte for byte.
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

// A path cut at its last separator ("/" on Linux, "\" or "/" on Windows). The folder keeps the
// separator of a root ("/", "\" or "C:\") and is empty when the path names none; the name is the
// whole path when it has no separator.
struct PathParts {
    std::u16string_view folder;
    std::u16string_view name;
};

inline PathParts splitPath(std::u16string_view path) {
#ifdef _WIN32
    const std::size_t separator = path.find_last_of(u"\\/");
    const bool root = separator == 0 || (separator == 2 && path[1] == u':');
#else
    const std::size_t separator = path.rfind(u'/');
    const bool root = separator == 0;
#endif
    if (separator == std::u16string_view::npos) {
        return {{}, path};
    }
    return {path.substr(0, root ? separator + 1 : separator), path.substr(separator + 1)};
}

// A path as the user is shown it: a byte kept as a lone surrogate shows as the replacement mark.
inline std::u16string displayPath(std::u16string_view path) {
    std::u16string shown(path);
    std::replace_if(
        shown.begin(), shown.end(), [](char16_t c) { return c >= 0xDC80 && c <= 0xDCFF; },
        u'\uFFFD');
    return shown;
}

}  // namespace orvane::platform
