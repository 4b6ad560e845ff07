#include "platform/posix/system_calls.h"

#include <fcntl.h>
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
    ::readlink,
};

const SystemCalls* current = &kRealCalls;

}  // namespace

const SystemCalls& realSystemCalls() {
    return kRealCalls;
}

const SystemCalls& systemCalls() {
    return *current;
}

ScopedSystemCalls::ScopedSystemCalls(const SystemCalls& calls) : previous_(current) {
    current = &calls;
}

ScopedSystemCalls::~ScopedSystemCalls() {
    current = previous_;
}

}  // namespace orvane::platform::posix
