#include "platform/code_page.h"

#include <array>

namespace orvane::platform {
namespace {

// Linux has no 8-bit system code page; the settings file is Western European text there:
// Windows-1252. Its bytes 0x80 to 0x9F, by table; every other byte is the character of the same
// code. The five bytes Windows leaves unassigned stand for the control characters of their code.
constexpr std::array<char16_t, 32> kHighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

constexpr unsigned kTableStart = 0x80;

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// The byte of a character, or -1 when the code page has none.
int byteOf(char16_t c) {
    if (c < kTableStart || (c >= 0xA0 && c <= 0xFF)) {
        return c;
    }
    for (unsigned index = 0; index < kHighControls.size(); ++index) {
        if (kHighControls[index] == c) {
            return static_cast<int>(kTableStart + index);
        }
    }
    return -1;
}

}  // namespace

std::u16string decodeCodePage(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const bool inTable = byte >= kTableStart && byte - kTableStart < kHighControls.size();
        text[i] = inTable ? kHighControls[byte - kTableStart] : static_cast<char16_t>(byte);
    }
    return text;
}

std::optional<std::string> encodeCodePage(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int byte = byteOf(text[i]);
        if (byte >= 0) {
            bytes += static_cast<char>(byte);
        } else if (!(isHighSurrogate(text[i]) && i + 1 == text.size())) {
            return std::nullopt;
        }
        // A high surrogate that ends the text is left out without an error, as ICU's converter
        // leaves it, waiting for its second half.
    }
    return bytes;
}

bool codePageHolds(std::u16string_view text) {
    return encodeCodePage(text).has_value();
}

}  // namespace orvane::platform
