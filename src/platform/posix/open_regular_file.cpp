// Reading SETTINGS.TXT on Linux: only a regular file is ever opened, and nothing can block.

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/file_access.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/folder_entry.h"
#include "platform/posix/system_calls.h"
#include "platform/posix/system_error.h"

namespace orvane::platform {
namespace {

using posix::systemCalls;
using posix::systemError;

class FileReader final : public ByteReader {
  public:
    explicit FileReader(posix::FileDescriptor file) : file_(std::move(file)) {}

    ReadResult read(std::span<char> buffer) override {
        while (true) {
            const ssize_t got = systemCalls().read(file_.get(), buffer.data(), buffer.size());
            if (got >= 0) {
                return {static_cast<std::size_t>(got), {}};
            }
            if (errno != EINTR) {
                return {0, systemError(errno)};
            }
        }
    }

  private:
    posix::FileDescriptor file_;
};

FileStatus statusOf(const struct stat& file) {
    return {static_cast<std::uint64_t>(file.st_dev),
            static_cast<std::uint64_t>(file.st_ino),
            static_cast<std::uint64_t>(file.st_size),
            {file.st_mtim.tv_sec, file.st_mtim.tv_nsec},
            {file.st_ctim.tv_sec, file.st_ctim.tv_nsec}};
}

// Nothing to read: no entry of that name, or one stat() could not look at.
OpenedFile unreadable(const posix::FolderEntry& entry, int error) {
    OpenedFile opened;
    if (error == ENOENT || error == ENOTDIR) {
        // A link whose target is missing is an entry of that name all the same.
        struct stat link {};
        opened.exists = systemCalls().fstatat(entry.folder.get(), entry.name.c_str(), &link,
                                              AT_SYMLINK_NOFOLLOW) == 0;
        if (opened.exists) {
            opened.status = statusOf(link);
            opened.error = systemError(error);
        }
        return opened;
    }
    opened.exists = true;
    opened.error = systemError(error);
    return opened;
}

}  // namespace

OpenedFile openRegularFile(std::u16string_view path) {
    // O_PATH: the folder is only searched, which needs no permission to list it.
    const posix::FolderEntry entry = posix::openFolderOf(path, O_PATH);
    OpenedFile opened;
    if (!entry.folder) {
        opened.error = systemError(entry.error);
        return opened;
    }
    // Looked at before it is opened: opening a pipe or a device could block or act on a device.
    struct stat named {};
    if (systemCalls().fstatat(entry.folder.get(), entry.name.c_str(), &named, 0) != 0) {
        return unreadable(entry, errno);
    }
    opened.exists = true;
    opened.status = statusOf(named);
    if (!S_ISREG(named.st_mode)) {
        opened.error = {FileProblem::NotRegularFile, {}};
        return opened;
    }
    // O_NONBLOCK: should another program put a pipe there meanwhile, opening it does not wait.
    posix::FileDescriptor file(systemCalls().openat(
        entry.folder.get(), entry.name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0));
    if (!file) {
        opened.error = systemError(errno);
        return opened;
    }
    struct stat status {};
    if (systemCalls().fstat(file.get(), &status) != 0) {
        opened.error = systemError(errno);
        return opened;
    }
    if (!S_ISREG(status.st_mode)) {
        opened.error = {FileProblem::NotRegularFile, {}};
        return opened;
    }
    if (status.st_dev != named.st_dev || status.st_ino != named.st_ino) {
        // Another program replaced the file between the two looks; it can be read next time.
        opened.error = systemError(EAGAIN);
        return opened;
    }
    opened.size = static_cast<std::uint64_t>(status.st_size);
    opened.status = statusOf(status);
    opened.reader = std::make_unique<FileReader>(std::move(file));
    return opened;
}

}  // namespace orvane::platform
