#include <fcntl.h>

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_access.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/path_bytes.h"
#include "platform/posix/system_calls.h"
#include "platform/shared/paths.h"

namespace orvane::platform {
namespace {

// What a link names, whatever its length; nothing when it cannot be read.
std::optional<std::string> linkTarget(const std::string& link) {
    constexpr std::size_t kLongest = std::size_t{1} << 20;
    std::string target(256, '\0');
    while (true) {
        const ssize_t got =
            posix::systemCalls().readlink(link.c_str(), target.data(), target.size());
        if (got < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(got) < target.size()) {
            target.resize(static_cast<std::size_t>(got));
            return target;
        }
        if (target.size() >= kLongest) {
            return std::nullopt;
        }
        target.resize(target.size() * 2);  // it may have been cut: read it again with more room
    }
}

// A number as /proc/self/map_files names a mapping: hexadecimal without leading zeros, where
// /proc/self/maps pads it to eight digits.
std::string hex(std::uintptr_t number) {
    std::array<char, 2 * sizeof number> digits{};
    const char* const end = std::to_chars(digits.begin(), digits.end(), number, 16).ptr;
    return {digits.cbegin(), end};
}

// The "start-end" of the mapping that holds `address`, as /proc/self/map_files names it.
std::optional<std::string> mappingHolding(std::uintptr_t address) {
    const posix::FileDescriptor maps(
        posix::systemCalls().openat(AT_FDCWD, "/proc/self/maps", O_RDONLY | O_CLOEXEC, 0));
    if (!maps) {
        return std::nullopt;
    }
    std::string text;
    std::array<char, 16384> buffer{};
    for (ssize_t got = 0;
         (got = posix::systemCalls().read(maps.get(), buffer.data(), buffer.size())) > 0;) {
        text.append(buffer.data(), static_cast<std::size_t>(got));
    }
    for (std::size_t line = 0; line < text.size();) {
        const std::size_t end = text.find('\n', line);
        const std::string_view entry =
            std::string_view(text).substr(line, end == std::string::npos ? end : end - line);
        const std::string_view range = entry.substr(0, entry.find(' '));
        const std::size_t dash = range.find('-');
        std::uintptr_t first = 0;
        std::uintptr_t last = 0;
        if (dash != std::string_view::npos &&
            std::from_chars(range.data(), range.data() + dash, first, 16).ec == std::errc{} &&
            std::from_chars(range.data() + dash + 1, range.data() + range.size(), last, 16).ec ==
                std::errc{} &&
            first <= address && address < last) {
            return hex(first) + "-" + hex(last);
        }
        line = end == std::string::npos ? text.size() : end + 1;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::u16string> programFolder() {
    // The file the program's own code was mapped from, after every link to it has been followed.
    // Not /proc/self/exe: where the medium lets no program run and the system's program loader
    // started the editor, that is the loader, whose folder holds no SETTINGS.TXT of the user's.
    const auto code = reinterpret_cast<std::uintptr_t>(&programFolder);
    const std::optional<std::string> mapping = mappingHolding(code);
    if (!mapping) {
        return std::nullopt;
    }
    const std::optional<std::string> target = linkTarget("/proc/self/map_files/" + *mapping);
    // A program that was deleted while running reads "/folder/name (deleted)": its folder is
    // still the part before the last slash.
    if (!target || target->empty() || target->front() != '/') {
        return std::nullopt;
    }
    return std::u16string(splitPath(posix::decodePath(*target)).folder);
}

}  // namespace orvane::platform
