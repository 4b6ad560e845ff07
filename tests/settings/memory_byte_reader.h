#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>

#include "platform/file_access.h"

namespace orvane::test {

// Serves bytes from memory at most `pieceSize` at a time, as a file or pipe may hand them out,
// so every byte can land at the edge of a read.
class MemoryByteReader final : public platform::ByteReader {
  public:
    MemoryByteReader(std::string_view bytes, std::size_t pieceSize)
        : bytes_(bytes), pieceSize_(std::max<std::size_t>(pieceSize, 1)) {}

    platform::ReadResult read(std::span<char> buffer) override {
        const std::size_t count = std::min({buffer.size(), pieceSize_, bytes_.size()});
        std::copy_n(bytes_.begin(), count, buffer.begin());
        bytes_.remove_prefix(count);
        return {count, {}};
    }

  private:
    std::string_view bytes_;
    std::size_t pieceSize_;
};

}  // namespace orvane::test
