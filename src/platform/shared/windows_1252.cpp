// The settings file's code page, Windows-1252, the same on every system: Latin-1 but for the 32
// bytes 0x80-0x9F, most of which hold typographic characters in place of the C1 controls.

#include <algorithm>
#include <array>

#include "platform/shared/code_page.h"

namespace orvane::platform {
namespace {

constexpr unsigned kFirstTableByte = 0x80;
constexpr unsigned kFirstLatin1Byte = 0xA0;

// The characters of the bytes 0x80-0x9F. The five bytes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90 and 0x9D) read as the C1 control of the same number, as on Windows, so that every byte
// reads as one character and is written back as itself.
constexpr std::array<char16_t, kFirstLatin1Byte - kFirstTableByte> kTable{
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

char16_t characterOf(unsigned char byte) {
    return byte >= kFirstTableByte && byte < kFirstLatin1Byte ? kTable[byte - kFirstTableByte]
                                                              : char16_t{byte};
}

// The byte of `unit`, or nothing when the code page has none. No best fit: "Ł" never becomes "L".
std::optional<char> byteOf(char16_t unit) {
    if (unit < kFirstTableByte || (unit >= kFirstLatin1Byte && unit <= 0xFF)) {
        return static_cast<char>(unit);
    }
    const auto* found = std::find(kTable.begin(), kTable.end(), unit);
    if (found == kTable.end()) {
        return std::nullopt;
    }
    return static_cast<char>(kFirstTableByte + (found - kTable.begin()));
}

}  // namespace

std::u16string decodeCodePage(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [](char byte) { return characterOf(static_cast<unsigned char>(byte)); });
    return text;
}

std::optional<std::string> encodeCodePage(std::u16string_view text) {
    std::string bytes(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::optional<char> byte = byteOf(text[i]);
        if (!byte) {
            return std::nullopt;
        }
        bytes[i] = *byte;
    }
    return bytes;
}

bool codePageHolds(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char16_t unit) { return byteOf(unit).has_value(); });
}

}  // namespace orvane::platform
