#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "platform/file_access.h"

namespace orvane::platform {

// What the system says of the entry a save would replace.
struct ExistingEntry {
    bool link = false;         // a symbolic link (on Windows, any reparse point)
    bool regularFile = false;  // a plain file: no folder, pipe, device or anything else
    bool readOnly = false;     // no write permission at all (on Windows, the read-only attribute)
};

// Why the entry is not replaced; no problem for a regular file of its own that may be written.
// Whoever took every write permission away meant the file to stay as it is, so a read-only file
// is refused also where the user could write it anyway (root on Linux).
inline FileError replaceRefusal(const ExistingEntry& entry) {
    if (entry.link) {
        return {FileProblem::Link, {}};
    }
    if (!entry.regularFile) {
        return {FileProblem::NotRegularFile, {}};
    }
    return {entry.readOnly ? FileProblem::ReadOnly : FileProblem::None, {}};
}

// The name of a new file beside the one it is made for, such as "PM04D2A7.TMP": a valid short (8.3)
// name, so that a FAT volume that keeps only short names neither cuts it down to the name of the
// file it replaces nor to that of another new file. Each call gives another name, led by the
// process id so that two programs mostly start apart; the file is still created only if no entry
// has the name (O_EXCL, CREATE_NEW), and a name that is taken is passed over for the next one.
inline std::string temporaryName(std::uint64_t processId) {
    static std::atomic<std::uint32_t> made{0};
    constexpr std::uint32_t kSixHexDigits = 0xFFFFFF;
    const auto number = static_cast<std::uint32_t>(processId * 4099 + made++) & kSixHexDigits;
    std::string name = "PM000000.TMP";
    for (std::size_t digit = 0; digit < 6; ++digit) {
        name[7 - digit] = "0123456789ABCDEF"[(number >> (4 * digit)) & 0xF];
    }
    return name;
}

}  // namespace orvane::platform
