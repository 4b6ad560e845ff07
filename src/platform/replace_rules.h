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

// The end of a new file's name beside the file it is made for: "SETTINGS.TXT" + ".1234-0.tmp".
// The process id and a number that counts up within the process keep two programs, and two files
// of one program, apart; the file is still created only if no entry has the name (O_EXCL,
// CREATE_NEW), and a name that is taken is passed over for the next one.
inline std::string temporaryNameSuffix(std::uint64_t processId) {
    static std::atomic<unsigned> made{0};
    return "." + std::to_string(processId) + "-" + std::to_string(made++) + ".tmp";
}

}  // namespace orvane::platform
