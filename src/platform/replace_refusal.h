#pragma once

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
FileError replaceRefusal(const ExistingEntry& entry);

}  // namespace orvane::platform
