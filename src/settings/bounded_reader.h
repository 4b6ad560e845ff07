#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/file_access.h"

namespace orvane {

// Reads at most `limit` bytes of a file and keeps a digest of what it read. A file with more than
// that ends in a FileProblem::TooLarge error, so that neither a huge nor an endless file can hold
// up the editor, and the reader is told that it did not get the whole file.
class BoundedReader final : public platform::ByteReader {
  public:
    BoundedReader(platform::ByteReader& source, std::size_t limit)
        : source_(source), left_(limit) {}

    platform::ReadResult read(std::span<char> buffer) override;

    // FNV-1a of the bytes read so far: enough to notice that a file has changed.
    std::uint64_t digest() const { return digest_; }

  private:
    platform::ByteReader& source_;
    std::size_t left_;
    std::uint64_t digest_ = 14695981039346656037ULL;
};

}  // namespace orvane
