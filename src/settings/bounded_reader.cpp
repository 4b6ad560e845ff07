#include "settings/bounded_reader.h"

#include <algorithm>
#include <array>

namespace orvane {

platform::ReadResult BoundedReader::read(std::span<char> buffer) {
    if (left_ == 0) {
        // At the limit: one more byte tells a file that ends here from one that goes on.
        std::array<char, 1> probe{};
        platform::ReadResult more = source_.read(probe);
        if (!more.error.failed() && more.size > 0) {
            more = {0, {platform::FileProblem::TooLarge, {}}};
        }
        return more;
    }
    platform::ReadResult result = source_.read(buffer.first(std::min(buffer.size(), left_)));
    for (const char byte : buffer.first(result.size)) {
        digest_ = (digest_ ^ static_cast<unsigned char>(byte)) * 1099511628211ULL;
    }
    left_ -= result.size;
    return result;
}

}  // namespace orvane
