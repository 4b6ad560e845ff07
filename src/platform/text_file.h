#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace orvane::platform {

class ByteReader {
  public:
    virtual ~ByteReader() = default;
    // Fills the front of `buffer`; returns how many bytes it read, 0 at the end or on an error.
    virtual std::size_t read(std::span<char> buffer) = 0;
};

// A reader for a regular file; nothing for a missing or unreadable file, a folder, a pipe or a
// device, so that opening can never block or read without end.
std::unique_ptr<ByteReader> openRegularFile(std::u16string_view path);

struct ReplaceResult {
    bool ok = false;
    std::u16string reason;  // the system's words for what went wrong
};

// Writes `bytes` to a new file in the same folder and puts it in place of `path` in one step.
// On failure the old file stays as it was and no temporary file is left behind. An existing
// file's permissions are kept.
ReplaceResult replaceFile(std::u16string_view path, std::string_view bytes);

}  // namespace orvane::platform
