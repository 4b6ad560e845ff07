#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "platform/file_access.h"

namespace orvane {

struct TextLine {
    std::u16string text;  // decoded, without its line end
    bool cut = false;     // the line was longer than LineReader::kMaxLineUnits
};

// How a settings file's text is stored. Files without a byte-order mark are in the 8-bit code
// page, as the editor writes them; other editors may save UTF-8 or UTF-16 with a mark. A file with
// a UTF-32 mark is text in a form the editor does not read: it gives no lines.
enum class TextEncoding { CodePage, Utf8, Utf16LittleEndian, Utf16BigEndian, Utf32 };

// Splits the bytes of a settings file into lines. A line ends at CR LF, CR or LF; a last line
// without an end counts too. A byte-order mark at the start selects UTF-8 or UTF-16 and is not
// part of the first line. Reads in chunks of kChunkBytes and keeps at most kMaxLineUnits code units
// (bytes, or UTF-16 units) of a line, so memory stays bounded whatever the file holds. A failed
// read ends the lines: the line it interrupted is dropped, and error() says why.
class LineReader {
  public:
    static constexpr std::size_t kChunkBytes = std::size_t{64} * 1024;
    static constexpr std::size_t kMaxLineUnits = 4096;

    explicit LineReader(platform::ByteReader& source);

    // The next whole line, or nothing at the end of the bytes or after a failed read.
    std::optional<TextLine> next();

    const platform::FileError& error() const { return error_; }
    TextEncoding encoding() const { return encoding_; }

  private:
    bool fillChunk();
    void detectEncoding();
    std::optional<unsigned char> nextByte();
    std::optional<char16_t> nextUnit();
    std::u16string decode(std::u16string& units, bool cut) const;

    platform::ByteReader& source_;
    std::unique_ptr<std::array<char, kChunkBytes>> chunk_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool started_ = false;
    bool ended_ = false;
    bool afterCr_ = false;  // the last line ended with CR; a LF right after it belongs to that end
    TextEncoding encoding_ = TextEncoding::CodePage;
    platform::FileError error_;
};

}  // namespace orvane
