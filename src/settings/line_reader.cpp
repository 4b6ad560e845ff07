#include "settings/line_reader.h"

#include <algorithm>
#include <span>
#include <string>

#include "platform/code_page.h"

namespace orvane {
namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

// The chunk is not cleared first: only the bytes a read has just filled are ever looked at.
LineReader::LineReader(platform::ByteReader& source)
    : source_(source), chunk_(std::make_unique_for_overwrite<std::array<char, kChunkBytes>>()) {}

bool LineReader::fillChunk() {
    position_ = 0;
    end_ = source_.read(std::span<char>(*chunk_));
    return end_ > 0;
}

std::optional<TextLine> LineReader::next() {
    std::string bytes;
    bool cut = false;
    bool started = false;
    while (true) {
        if (position_ == end_ && !fillChunk()) {
            if (!started) {
                return std::nullopt;
            }
            break;  // a last line without a line end
        }
        if (afterCr_) {
            afterCr_ = false;
            if ((*chunk_)[position_] == '\n') {
                ++position_;
                continue;
            }
        }
        started = true;

        char* const begin = chunk_->data() + position_;
        char* const stop = std::find_if(begin, chunk_->data() + end_, isLineEnd);
        const auto length = static_cast<std::size_t>(stop - begin);
        const std::size_t room = kMaxLineBytes - bytes.size();
        bytes.append(begin, begin + static_cast<std::ptrdiff_t>(std::min(length, room)));
        cut = cut || length > room;
        position_ += length;

        if (position_ < end_) {
            afterCr_ = (*chunk_)[position_] == '\r';
            ++position_;
            break;
        }
    }
    return TextLine{platform::decodeCodePage(bytes), cut};
}

}  // namespace orvane
