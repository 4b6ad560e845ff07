#include "platform/posix/system_error.h"

#include <array>
#include <cstring>

#include "platform/paths.h"
#include "platform/posix/path_bytes.h"

namespace orvane::platform::posix {

FileError systemError(int error) {
    std::array<char, 256> buffer{};
    // The GNU strerror_r: it returns the words, which may or may not be in the buffer.
    const char* const words = strerror_r(error, buffer.data(), buffer.size());
    // The locale's texts are UTF-8; anything else shows as the replacement mark.
    return describedError(displayPath(decodePath(words)));
}

}  // namespace orvane::platform::posix
