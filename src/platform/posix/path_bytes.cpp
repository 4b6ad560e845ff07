#include "platform/posix/path_bytes.h"

#include "platform/shared/utf8.h"

namespace orvane::platform::posix {
namespace {

constexpr char16_t kFirstByteEscape = 0xDC80;
constexpr char16_t kLastByteEscape = 0xDCFF;

}  // namespace

// Each byte of an ill-formed subsequence is kept on its own: none of its bytes after the first can
// begin a character, so the bytes escaped are exactly those that are no part of valid UTF-8.
std::u16string decodePath(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const Utf8Sequence sequence = firstUtf8Sequence(bytes);
        if (sequence.codePoint) {
            appendUtf16(text, *sequence.codePoint);
        } else {
            for (const char byte : bytes.substr(0, sequence.length)) {
                text += static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(byte));
            }
        }
        bytes.remove_prefix(sequence.length);
    }
    return text;
}

std::optional<std::string> encodePath(std::u16string_view path) {
    std::string bytes;
    bytes.reserve(path.size());
    while (!path.empty()) {
        const Utf16Sequence sequence = firstUtf16Sequence(path);
        const char32_t codePoint = sequence.codePoint;
        if (codePoint == 0) {
            return std::nullopt;
        }
        if (codePoint >= kFirstByteEscape && codePoint <= kLastByteEscape) {
            bytes += static_cast<char>(codePoint - 0xDC00);
        } else if (isSurrogate(codePoint)) {
            return std::nullopt;
        } else {
            appendUtf8(bytes, codePoint);
        }
        path.remove_prefix(sequence.length);
    }
    return bytes;
}

}  // namespace orvane::platform::posix
