#pragma once

#include <string>
#include <string_view>

namespace orvane::platform::win32 {

// The program keeps its texts in UTF-16 as char16_t, Windows as wchar_t: the same code units.
inline std::wstring toWide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

inline std::u16string fromWide(std::wstring_view text) {
    return {text.begin(), text.end()};
}

}  // namespace orvane::platform::win32
