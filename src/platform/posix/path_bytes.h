#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform::posix {

// A name or path as the system gives it, as the program's UTF-16 text (see
// platform/shared/paths.h): valid UTF-8 is decoded, and every other byte becomes the lone surrogate
// U+DC80 to U+DCFF.
std::u16string decodePath(std::string_view bytes);

// The system's bytes of a path decodePath made, byte for byte. Nothing for text that no path can
// hold (a NUL, or a surrogate that neither pairs nor stands for a byte), so that a failed
// conversion never names another file.
std::optional<std::string> encodePath(std::u16string_view path);

}  // namespace orvane::platform::posix
