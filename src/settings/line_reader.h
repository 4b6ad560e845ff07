#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "platform/text_file.h"

namespace orvane {

struct TextLine {
    std::u16string text;  // decoded from the code page, without its line end
    bool cut = false;     // the line was longer than LineReader::kMaxLineBytes
};

// Splits the bytes of a settings file into lines. A line ends at CR LF, CR or LF; a last line
// without an end counts too. Reads in chunks of kChunkBytes and keeps at most kMaxLineBytes of a
// line, so memory stays bounded whatever the file holds.
class LineReader {
  public:
    static constexpr std::size_t kChunkBytes = std::size_t{64} * 1024;
    static constexpr std::size_t kMaxLineBytes = 4096;

    explicit LineReader(platform::ByteReader& source);

    // The next line, or nothing at the end of the bytes.
    std::optional<TextLine> next();

  private:
    bool fillChunk();

    platform::ByteReader& source_;
    std::unique_ptr<std::array<char, kChunkBytes>> chunk_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool afterCr_ = false;  // the last line ended with CR; a LF right after it belongs to that end
};

}  // namespace orvane
