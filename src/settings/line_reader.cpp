#include "settings/line_reader.h"

#include <span>
#include <string>

#include "platform/shared/code_page.h"
#include "platform/shared/utf8.h"

namespace orvane {
namespace {

struct ByteOrderMark {
    std::string_view bytes;
    TextEncoding encoding;
};

// UTF-32 little-endian before UTF-16 little-endian, whose mark begins its own.
constexpr std::array<ByteOrderMark, 5> kMarks = {{
    {"\xEF\xBB\xBF", TextEncoding::Utf8},
    {std::string_view("\xFF\xFE\0\0", 4), TextEncoding::Utf32},
    {std::string_view("\0\0\xFE\xFF", 4), TextEncoding::Utf32},
    {"\xFF\xFE", TextEncoding::Utf16LittleEndian},
    {"\xFE\xFF", TextEncoding::Utf16BigEndian},
}};

bool isContinuationByte(char16_t unit) {
    return (unit & 0xC0) == 0x80;
}

std::string asBytes(const std::u16string& units) {
    std::string bytes;
    bytes.reserve(units.size());
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit);
    }
    return bytes;
}

}  // namespace

// The chunk is not cleared first: only the bytes a read has just filled are ever looked at.
LineReader::LineReader(platform::ByteReader& source)
    : source_(source), chunk_(std::make_unique_for_overwrite<std::array<char, kChunkBytes>>()) {}

// Adds what the next read gives after the bytes not yet taken; false at the end or on an error.
bool LineReader::fillChunk() {
    if (ended_) {
        return false;
    }
    if (position_ == end_) {
        position_ = 0;
        end_ = 0;
    }
    const platform::ReadResult result = source_.read(std::span<char>(*chunk_).subspan(end_));
    end_ += result.size;
    if (result.error.failed()) {
        error_ = result.error;
    }
    ended_ = result.size == 0 || result.error.failed();
    return result.size > 0;
}

// Reads until the longest mark could be seen, as a source may hand out one byte at a time.
void LineReader::detectEncoding() {
    while (end_ < 4 && fillChunk()) {
    }
    const std::string_view start(chunk_->data(), end_);
    for (const ByteOrderMark& mark : kMarks) {
        if (start.starts_with(mark.bytes)) {
            encoding_ = mark.encoding;
            position_ = mark.bytes.size();
            return;
        }
    }
}

std::optional<unsigned char> LineReader::nextByte() {
    if (position_ == end_ && !fillChunk()) {
        return std::nullopt;
    }
    return static_cast<unsigned char>((*chunk_)[position_++]);
}

std::optional<char16_t> LineReader::nextUnit() {
    const std::optional<unsigned char> first = nextByte();
    if (!first || encoding_ == TextEncoding::CodePage || encoding_ == TextEncoding::Utf8) {
        return first;
    }
    const std::optional<unsigned char> second = nextByte();
    if (!second) {
        return std::nullopt;  // half a unit at the end is no character
    }
    return encoding_ == TextEncoding::Utf16LittleEndian
               ? static_cast<char16_t>(*first | (*second << 8))
               : static_cast<char16_t>((*first << 8) | *second);
}

std::optional<TextLine> LineReader::next() {
    if (!started_) {
        started_ = true;
        detectEncoding();
    }
    if (encoding_ == TextEncoding::Utf32) {
        return std::nullopt;
    }
    std::u16string units;
    bool cut = false;
    bool started = false;
    while (true) {
        const std::optional<char16_t> unit = nextUnit();
        if (!unit) {
            if (error_.failed() || !started) {
                return std::nullopt;  // a line a failed read interrupted is not applied
            }
            break;  // a last line without a line end
        }
        if (afterCr_) {
            afterCr_ = false;
            if (*unit == u'\n') {
                continue;
            }
        }
        started = true;
        if (*unit == u'\r' || *unit == u'\n') {
            afterCr_ = *unit == u'\r';
            break;
        }
        if (units.size() < kMaxLineUnits) {
            units += *unit;
        } else {
            cut = true;
        }
    }
    return TextLine{decode(units, cut), cut};
}

std::u16string LineReader::decode(std::u16string& units, bool cut) const {
    switch (encoding_) {
        case TextEncoding::CodePage:
            return platform::decodeCodePage(asBytes(units));
        case TextEncoding::Utf8:
            // A cut may split a character; what is left of it is dropped rather than garbled.
            if (cut) {
                while (!units.empty() && isContinuationByte(units.back())) {
                    units.pop_back();
                }
                if (!units.empty() && units.back() >= 0xC0) {
                    units.pop_back();
                }
            }
            // Each line is decoded as a text of its own: where two files were joined, a line
            // begins with the second one's byte-order mark, which the decoder drops.
            return platform::decodeUtf8(asBytes(units));
        case TextEncoding::Utf16LittleEndian:
        case TextEncoding::Utf16BigEndian:
        case TextEncoding::Utf32:
            break;
    }
    return units;
}

}  // namespace orvane
