#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

// The 8-bit code page of the settings file: Windows-1252 on every system, whatever the system's
// own code page, so that a file means the same text wherever it is read (windows_1252.cpp).
std::u16string decodeCodePage(std::string_view bytes);

// The bytes of `text` in the code page, or nothing when a character has no byte there.
std::optional<std::string> encodeCodePage(std::u16string_view text);

bool codePageHolds(std::u16string_view text);

}  // namespace orvane::platform
