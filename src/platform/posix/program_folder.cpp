#include <cstddef>
#include <string>

#include "platform/paths.h"
#include "platform/posix/path_bytes.h"
#include "platform/posix/system_calls.h"

namespace orvane::platform {

std::optional<std::u16string> programFolder() {
    // The link names the program's file after every link to it has been followed.
    constexpr std::size_t kLongest = std::size_t{1} << 20;
    std::string target(256, '\0');
    while (true) {
        const ssize_t got =
            posix::systemCalls().readlink("/proc/self/exe", target.data(), target.size());
        if (got < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(got) < target.size()) {
            target.resize(static_cast<std::size_t>(got));
            break;
        }
        if (target.size() >= kLongest) {
            return std::nullopt;
        }
        target.resize(target.size() * 2);  // it may have been cut: read it again with more room
    }
    // A program that was deleted while running reads "/folder/name (deleted)": its folder is
    // still the part before the last slash.
    if (target.empty() || target.front() != '/') {
        return std::nullopt;
    }
    return std::u16string(splitPath(posix::decodePath(target)).folder);
}

}  // namespace orvane::platform
