#include "platform/posix/path_bytes.h"

#include <cstddef>
#include <cstdint>

namespace orvane::platform::posix {
namespace {

constexpr char16_t kFirstByteEscape = 0xDC80;
constexpr char16_t kLastByteEscape = 0xDCFF;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point of the UTF-8 sequence at the start of `bytes` and its length, or nothing when it
// is not valid UTF-8: a stray or missing continuation byte, an overlong form, a surrogate or a
// code point beyond U+10FFFF.
struct Sequence {
    char32_t codePoint;
    std::size_t length;
};

std::optional<Sequence> sequenceAt(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes.front());
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() < length) {
        return std::nullopt;
    }
    for (std::size_t index = 1; index < length; ++index) {
        const auto byte = static_cast<unsigned char>(bytes[index]);
        if (!isContinuation(byte)) {
            return std::nullopt;
        }
        codePoint = (codePoint << 6) | (byte & 0x3Fu);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return std::nullopt;
    }
    return Sequence{codePoint, length};
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

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::u16string decodePath(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const auto byte = static_cast<unsigned char>(bytes.front());
        if (byte < 0x80) {
            text += static_cast<char16_t>(byte);
            bytes.remove_prefix(1);
        } else if (const std::optional<Sequence> sequence = sequenceAt(bytes)) {
            appendUtf16(text, sequence->codePoint);
            bytes.remove_prefix(sequence->length);
        } else {
            text += static_cast<char16_t>(0xDC00 + byte);
            bytes.remove_prefix(1);
        }
    }
    return text;
}

std::optional<std::string> encodePath(std::u16string_view path) {
    std::string bytes;
    bytes.reserve(path.size());
    for (std::size_t index = 0; index < path.size(); ++index) {
        const char16_t unit = path[index];
        if (unit == 0) {
            return std::nullopt;
        }
        if (unit >= kFirstByteEscape && unit <= kLastByteEscape) {
            bytes += static_cast<char>(unit - 0xDC00);
        } else if (isHighSurrogate(unit) && index + 1 < path.size() &&
                   isLowSurrogate(path[index + 1])) {
            const char16_t low = path[++index];
            appendUtf8(bytes, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (low - 0xDC00));
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            return std::nullopt;
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

}  // namespace orvane::platform::posix
