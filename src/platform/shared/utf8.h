#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

// UTF-8 and the program's UTF-16, converted by the program itself, the same in every build
// (utf8.cpp).

// The character that `bytes` (not empty) begin with and how many bytes it takes. When they begin
// no character, `codePoint` is empty and `length` is that of the maximal subpart of an ill-formed
// sequence: the longest start of a valid sequence found there, or the one byte that begins none.
struct Utf8Sequence {
    std::optional<char32_t> codePoint;
    std::size_t length = 0;
};
Utf8Sequence firstUtf8Sequence(std::string_view bytes);

// The code point that `text` (not empty) begins with and how many units it takes: a surrogate pair
// is one code point, a surrogate that pairs with nothing stands for itself.
struct Utf16Sequence {
    char32_t codePoint = 0;
    std::size_t length = 0;
};
Utf16Sequence firstUtf16Sequence(std::u16string_view text);

constexpr bool isSurrogate(char32_t codePoint) {
    return codePoint >= 0xD800 && codePoint <= 0xDFFF;
}

void appendUtf16(std::u16string& text, char32_t codePoint);
void appendUtf8(std::string& bytes, char32_t codePoint);

// UTF-8 text, as files from other editors may hold. Each maximal ill-formed subsequence gives one
// U+FFFD, the rule of the WHATWG Encoding Standard and of Unicode's "substitution of maximal
// subparts". A byte-order mark at the start is no part of the text; one further on stays U+FEFF.
std::u16string decodeUtf8(std::string_view bytes);

// The text as UTF-8, for messages and logs: a surrogate that pairs with nothing gives U+FFFD.
std::string encodeUtf8(std::u16string_view text);

}  // namespace orvane::platform
