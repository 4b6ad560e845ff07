#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace orvane::platform::posix {

// Every system call of the file layer that can fail. The layer calls them through this table, so
// that a test can make a chosen call fail with a chosen error.
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
    ssize_t (*readlink)(const char* path, char* buffer, std::size_t size);
};

// The system's own calls.
const SystemCalls& realSystemCalls();

// The calls in use: the system's own unless a ScopedSystemCalls has put others in place.
const SystemCalls& systemCalls();

// Puts other calls in place until the end of the scope; for tests. Not thread-safe.
class ScopedSystemCalls {
  public:
    explicit ScopedSystemCalls(const SystemCalls& calls);
    ~ScopedSystemCalls();
    ScopedSystemCalls(const ScopedSystemCalls&) = delete;
    ScopedSystemCalls& operator=(const ScopedSystemCalls&) = delete;

  private:
    const SystemCalls* previous_;
};

}  // namespace orvane::platform::posix
