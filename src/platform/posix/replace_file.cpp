// Saving SETTINGS.TXT on Linux: a new file beside the old one, synced to the disk, then renamed
// over the old one, so that the old file stays whole until the new one is complete.

#include <fcntl.h>
#include <linux/ioctl.h>  // for linux/msdos_fs.h, which uses it without including it
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/file_access.h"
#include "platform/posix/file_descriptor.h"
#include "platform/posix/folder_entry.h"
#include "platform/posix/system_calls.h"
#include "platform/posix/system_error.h"
#include "platform/shared/replace_rules.h"

namespace orvane::platform {
namespace {

using posix::FileDescriptor;
using posix::systemCalls;
using posix::systemError;

// The new file, removed again unless it has been put in place. Each step returns 0 or the error
// number of the call that failed.
class Replacement {
  public:
    explicit Replacement(int folder) : folder_(folder) {}
    ~Replacement() {
        if (!name_.empty() && !placed_) {
            file_.close();
            systemCalls().unlinkat(folder_, name_.c_str(), 0);
        }
    }
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    // Under a name no other entry has. A new file gets 0666 less the umask, as any new file does;
    // one that replaces another is the owner's alone until it gets the old file's mode.
    int create(bool replacing) {
        constexpr unsigned kAttempts = 100;
        const mode_t mode = replacing ? 0600 : 0666;
        for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
            std::string name = temporaryName(static_cast<std::uint64_t>(getpid()));
            FileDescriptor file(systemCalls().openat(
                folder_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
            if (file) {
                file_ = std::move(file);
                name_ = std::move(name);
                return 0;
            }
            if (errno != EEXIST) {
                return errno;
            }
        }
        return EEXIST;
    }

    // After the bytes are written: a write by a user without the right to keep them clears the
    // setuid and setgid bits.
    int copyOwnerAndMode(const struct stat& old) {
        struct stat created {};
        if (systemCalls().fstat(file_.get(), &created) != 0) {
            return errno;
        }
        if ((created.st_uid != old.st_uid || created.st_gid != old.st_gid) &&
            systemCalls().fchown(file_.get(), old.st_uid, old.st_gid) != 0) {
            return errno;
        }
        // After the owner, since changing the owner clears the setgid bit.
        return systemCalls().fchmod(file_.get(), old.st_mode & 07777) == 0 ? 0 : errno;
    }

    // Adds FAT attributes (hidden, system) to those the new file has.
    int addFatAttributes(std::uint32_t added) {
        std::uint32_t attributes = 0;
        if (systemCalls().ioctl(file_.get(), FAT_IOCTL_GET_ATTRIBUTES, &attributes) != 0) {
            return errno;
        }
        attributes |= added;
        return systemCalls().ioctl(file_.get(), FAT_IOCTL_SET_ATTRIBUTES, &attributes) == 0 ? 0
                                                                                            : errno;
    }

    // Whether the file now has the old file's owner, group and mode: the system drops without a
    // word a setgid bit of a group the user is not in. 0, or the error number of the look.
    int checkOwnerAndMode(const struct stat& old, bool& kept) const {
        struct stat now {};
        if (systemCalls().fstat(file_.get(), &now) != 0) {
            return errno;
        }
        kept = now.st_uid == old.st_uid && now.st_gid == old.st_gid &&
               (now.st_mode & 07777) == (old.st_mode & 07777);
        return 0;
    }

    int write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = systemCalls().write(file_.get(), bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written < 0) {
                return errno;
            }
            if (written == 0) {
                return EIO;  // no error and no progress: trying on would never end
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return 0;
    }

    int sync() { return systemCalls().fsync(file_.get()) == 0 ? 0 : errno; }

    int syncAndClose() {
        const int synced = sync();
        const int closed = file_.close();
        return synced != 0 ? synced : closed;
    }

    int putInPlaceOf(const std::string& target) {
        if (systemCalls().renameat(folder_, name_.c_str(), folder_, target.c_str()) != 0) {
            return errno;
        }
        placed_ = true;
        return 0;
    }

  private:
    int folder_;
    std::string name_;
    FileDescriptor file_;
    bool placed_ = false;
};

// The file a save replaces, held open until the new one is in its place for good. On FAT the rename
// gives the new file the old one's directory entry, and that entry reaches the medium only with the
// new file's own sync, while the old file's clusters are freed as soon as nothing holds the file:
// without the hold, a power cut between the two would leave an entry pointing at free clusters.
class HeldFile {
  public:
    // Opened for reading where it may be, to read its FAT attributes; otherwise only held.
    // 0, or the error number of the call that failed.
    int open(int folder, const std::string& name) {
        constexpr int kFlags = O_NOFOLLOW | O_CLOEXEC;
        file_ = FileDescriptor(systemCalls().openat(folder, name.c_str(),
                                                    O_RDONLY | O_NONBLOCK | O_NOCTTY | kFlags, 0));
        const bool readable = static_cast<bool>(file_);
        if (!file_ && errno == EACCES) {
            file_ = FileDescriptor(systemCalls().openat(folder, name.c_str(), O_PATH | kFlags, 0));
        }
        if (!file_) {
            return errno;
        }
        struct statfs system {};
        if (systemCalls().fstatfs(file_.get(), &system) != 0) {
            return errno;
        }
        if (system.f_type != MSDOS_SUPER_MAGIC) {
            return 0;  // only FAT has the attributes
        }
        if (!readable) {
            return EACCES;
        }
        std::uint32_t attributes = 0;
        if (systemCalls().ioctl(file_.get(), FAT_IOCTL_GET_ATTRIBUTES, &attributes) != 0) {
            return errno;
        }
        fatAttributes_ = attributes & (ATTR_HIDDEN | ATTR_SYS);
        return 0;
    }

    // The hidden and system attributes, which the new file must have too.
    std::uint32_t fatAttributes() const { return fatAttributes_; }

    void release() { file_.close(); }

  private:
    FileDescriptor file_;
    std::uint32_t fatAttributes_ = 0;
};

// Makes the rename last. A file system that cannot sync a folder (EINVAL) has nothing more to
// write for it, so that counts as done.
int syncFolder(int folder) {
    if (systemCalls().fsync(folder) == 0 || errno == EINVAL) {
        return 0;
    }
    return errno;
}

FileError writeInPlace(int folder, const std::string& name, const std::optional<struct stat>& old,
                       std::string_view bytes) {
    HeldFile held;  // made first, so that it is let go of last
    int error = old ? held.open(folder, name) : 0;
    Replacement file(folder);
    if (error == 0) {
        error = file.create(old.has_value());
    }
    if (error == 0) {
        error = file.write(bytes);
    }
    if (error == 0 && old) {
        error = file.copyOwnerAndMode(*old);
    }
    if (error == 0 && held.fatAttributes() != 0) {
        error = file.addFatAttributes(held.fatAttributes());
    }
    bool kept = true;
    if (error == 0 && old) {
        error = file.checkOwnerAndMode(*old, kept);
    }
    if (error == 0 && !kept) {
        return {FileProblem::ModeNotKept, {}};
    }
    // Syncs the mode with the bytes.
    if (error == 0) {
        error = file.sync();
    }
    if (error == 0) {
        error = file.putInPlaceOf(name);
    }
    // The new file is in place by now, but until it and the folder are synced a power cut may
    // still undo the rename, or on FAT lose the file: a failure here is a failed save too.
    if (error == 0) {
        error = file.syncAndClose();
    }
    if (error == 0) {
        error = syncFolder(folder);
    }
    // The save lasts by now. Let go of the old file, whose space FAT frees only then, and sync once
    // more so that the freed space reaches the medium too; should that fail, the medium keeps
    // that space in use until it is checked, and the settings are saved all the same.
    if (error == 0) {
        held.release();
        syncFolder(folder);
    }
    return error == 0 ? FileError{} : systemError(error);
}

}  // namespace

FileError replaceFile(std::u16string_view path, std::string_view bytes) {
    // Opened for reading, not only searched, so that it can be synced after the rename.
    const posix::FolderEntry target = posix::openFolderOf(path, O_RDONLY);
    if (!target.folder) {
        return systemError(target.error);
    }
    // The entry itself, not what a link points to: a link is never written through.
    std::optional<struct stat> old;
    struct stat entry {};
    if (systemCalls().fstatat(target.folder.get(), target.name.c_str(), &entry,
                              AT_SYMLINK_NOFOLLOW) == 0) {
        const ExistingEntry existing{S_ISLNK(entry.st_mode), S_ISREG(entry.st_mode),
                                     (entry.st_mode & 0222) == 0};
        if (FileError refusal = replaceRefusal(existing); refusal.failed()) {
            return refusal;
        }
        old = entry;
    } else if (errno != ENOENT) {
        return systemError(errno);
    }
    return writeInPlace(target.folder.get(), target.name, old, bytes);
}

}  // namespace orvane::platform
