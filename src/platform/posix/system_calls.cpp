#include "platform/posix/system_calls.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>  // renameat

namespace orvane::platform::posix {
namespace {

constexpr SystemCalls kRealCalls = {
    // openat takes its mode as a variable argument, which a function pointer cannot name.
    [](int folder, const char* path, int flags, mode_t mode) {
        return ::openat(folder, path, flags, mode);
    },
    ::fstatat,
    ::fstat,
    ::read,
    ::write,
    ::fsync,
    ::close,
    ::renameat,
    ::unlinkat,
    ::fchown,
    ::fchmod,
    ::fstatfs,
    // ioctl takes its argument as a variable argument too.
    [](int file, unsigned long request, void* argument) {
        return ::ioctl(file, request, argument);
    },
    ::readlink,
};

}  // namespace

CallTable<SystemCalls>& systemCallTable() {
    static CallTable<SystemCalls> table(kRealCalls);
    return table;
}

}  // namespace orvane::platform::posix
