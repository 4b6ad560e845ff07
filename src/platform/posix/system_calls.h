#pragma once

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/types.h>

#include <cstddef>

#include "platform/shared/call_table.h"

namespace orvane::platform::posix {

// Every system call of the file access that can fail.
struct SystemCalls {
    int (*openat)(int folder, const char* path, int flags, mode_t mode);
    int (*fstatat)(int folder, const char* path, struct stat* status, int flags);
    int (*fstat)(int file, struct stat* status);
    ssize_t (*read)(int file, void* buffer, std::size_t size);
    ssize_t (*write)(int file, const void* bytes, std::size_t size);
    int (*fsync)(int file);
    int (*close)(int file);
    int (*renameat)(int fromFolder, const char* from, int toFolder, const char* to);
    int (*unlinkat)(int folder, const char* path, int flags);
    int (*fchown)(int file, uid_t owner, gid_t group);
    int (*fchmod)(int file, mode_t mode);
    int (*fstatfs)(int file, struct statfs* status);
    int (*ioctl)(int file, unsigned long request, void* argument);
    ssize_t (*readlink)(const char* path, char* buffer, std::size_t size);
};

// The table of the calls above (platform/shared/call_table.h), and the calls in use.
CallTable<SystemCalls>& systemCallTable();
inline const SystemCalls& systemCalls() {
    return systemCallTable().inUse();
}

}  // namespace orvane::platform::posix
