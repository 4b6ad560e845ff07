#include "platform/posix/folder_entry.h"

#include <fcntl.h>

#include <cerrno>
#include <optional>

#include "platform/posix/path_bytes.h"
#include "platform/posix/system_calls.h"
#include "platform/shared/paths.h"

namespace orvane::platform::posix {

FolderEntry openFolderOf(std::u16string_view path, int flags) {
    FolderEntry entry;
    const PathParts parts = splitPath(path);
    const std::optional<std::string> folder =
        encodePath(parts.folder.empty() ? std::u16string_view(u".") : parts.folder);
    std::optional<std::string> name = encodePath(parts.name);
    if (!folder || !name) {
        entry.error = EINVAL;
        return entry;
    }
    entry.name = std::move(*name);
    entry.folder = FileDescriptor(
        systemCalls().openat(AT_FDCWD, folder->c_str(), O_DIRECTORY | O_CLOEXEC | flags, 0));
    if (!entry.folder) {
        entry.error = errno;
    }
    return entry;
}

}  // namespace orvane::platform::posix
