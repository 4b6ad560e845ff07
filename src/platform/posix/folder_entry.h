#pragma once

#include <string>
#include <string_view>

#include "platform/posix/file_descriptor.h"

namespace orvane::platform::posix {

// A file as the file layer reaches it, for reading and for writing alike: its folder opened once,
// and its name to be looked up in that folder (openat, fstatat, renameat). The system then takes
// the folder's path and the name apart, so a file whose whole path is longer than it takes at once
// is still reached whenever its folder is.
struct FolderEntry {
    FileDescriptor folder;
    std::string name;
    int error = 0;  // why the folder could not be opened
};

// The folder before the last "/" of `path` (the current folder when there is none), opened with
// O_DIRECTORY, O_CLOEXEC and `flags`.
FolderEntry openFolderOf(std::u16string_view path, int flags);

}  // namespace orvane::platform::posix
