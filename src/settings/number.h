#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

// A number as a technician writes it in SETTINGS.TXT: spaces or tabs around it, an optional sign
// right before it, digits with an optional fraction after a ".". A fraction is rounded to the
// nearest integer, exact halves to the even one. Nothing for any other text and for a rounded
// value outside -32768 to 32767.
std::optional<std::int16_t> ToInt16(std::u16string_view text);

}  // namespace orvane
