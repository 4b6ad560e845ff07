#include "platform/shared/utf8.h"

namespace orvane::platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

// The second byte's range is narrowed after E0, ED, F0 and F4, so that an overlong form, an
// encoded surrogate or a code point beyond U+10FFFF ends the subpart at that byte.
Utf8Sequence firstUtf8Sequence(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes.front());
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    unsigned char lowest = 0x80;
    unsigned char highest = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        lowest = lead == 0xE0 ? 0xA0 : lowest;
        highest = lead == 0xED ? 0x9F : highest;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        lowest = lead == 0xF0 ? 0x90 : lowest;
        highest = lead == 0xF4 ? 0x8F : highest;
    } else {
        return {std::nullopt, 1};
    }
    for (std::size_t index = 1; index < length; ++index) {
        if (index == bytes.size()) {
            return {std::nullopt, index};
        }
        const auto byte = static_cast<unsigned char>(bytes[index]);
        if (byte < lowest || byte > highest) {
            return {std::nullopt, index};
        }
        codePoint = (codePoint << 6) | (byte & 0x3Fu);
        lowest = 0x80;
        highest = 0xBF;
    }
    return {codePoint, length};
}

Utf16Sequence firstUtf16Sequence(std::u16string_view text) {
    const char32_t unit = text.front();
    if (isHighSurrogate(unit) && text.size() > 1 && isLowSurrogate(text[1])) {
        return {0x10000 + ((unit - 0xD800) << 10) + (text[1] - 0xDC00u), 2};
    }
    return {unit, 1};
}

void appendUtf16(std::u16string& text, char32_t codePoint) {
    if (codePoint < 0x10000) {
        text += static_cast<char16_t>(codePoint);
        return;
    }
    codePoint -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (codePoint >> 10));
    text += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
}

void appendUtf8(std::string& bytes, char32_t codePoint) {
    if (codePoint < 0x80) {
        bytes += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        bytes += static_cast<char>(0xC0 | (codePoint >> 6));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        bytes += static_cast<char>(0xE0 | (codePoint >> 12));
        bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (codePoint >> 18));
        bytes += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::u16string decodeUtf8(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::u16string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const Utf8Sequence sequence = firstUtf8Sequence(bytes);
        appendUtf16(text, sequence.codePoint.value_or(kReplacement));
        bytes.remove_prefix(sequence.length);
    }
    return text;
}

std::string encodeUtf8(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    while (!text.empty()) {
        const Utf16Sequence sequence = firstUtf16Sequence(text);
        appendUtf8(bytes, isSurrogate(sequence.codePoint) ? kReplacement : sequence.codePoint);
        text.remove_prefix(sequence.length);
    }
    return bytes;
}

}  // namespace orvane::platform
