#include "platform/posix/folder_entry.h"

#include <fcntl.h>

#include <cerrno>
#include <optional>

#include "platform/posix/path_bytes.h"
#include "platform/posix/system_calls.h"

namespace orvane::platform::posix {

FolderEntry openFolderOf(std::u16string_view path, int flags) {
    FolderEntry entry;
    const std::optional<std::string> bytes = encodePath(path);
    if (!bytes) {
        entry.error = EINVAL;
        return entry;
    }
    const std::size_t slash = bytes->rfind('/');
    std::string folder = ".";
    entry.name = *bytes;
    if (slash != std::string::npos) {
        folder = slash == 0 ? "/" : bytes->substr(0, slash);
        entry.name = bytes->substr(slash + 1);
    }
    entry.folder = FileDescriptor(
        systemCalls().openat(AT_FDCWD, folder.c_str(), O_DIRECTORY | O_CLOEXEC | flags, 0));
    if (!entry.folder) {
        entry.error = errno;
    }
    return entry;
}

}  // namespace orvane::platform::posix
