#include "injected_fault.h"

#include <algorithm>
#include <cerrno>

namespace orvane::test {
namespace {

using platform::posix::SystemCalls;
using Faults = CallFaults<PosixFaults>;

std::size_t mostBytes = std::numeric_limits<std::size_t>::max();

const SystemCalls& real() {
    return PosixFaults::table().system();
}

// True when this call of `call` is the one to fail; errno is set for it.
bool failsNow(SystemCall call) {
    const std::optional<int> error = Faults::failure(call);
    if (error) {
        errno = *error;
    }
    return error.has_value();
}

SystemCalls standInCalls() {
    SystemCalls calls = real();
    calls.read = [](int file, void* buffer, std::size_t size) -> ssize_t {
        return failsNow(SystemCall::Read) ? -1
                                          : real().read(file, buffer, std::min(size, mostBytes));
    };
    calls.write = [](int file, const void* bytes, std::size_t size) -> ssize_t {
        return failsNow(SystemCall::Write) ? -1
                                           : real().write(file, bytes, std::min(size, mostBytes));
    };
    calls.fsync = [](int file) { return failsNow(SystemCall::Fsync) ? -1 : real().fsync(file); };
    calls.close = [](int file) {
        const int result = real().close(file);
        return failsNow(SystemCall::Close) ? -1 : result;
    };
    calls.renameat = [](int fromFolder, const char* from, int toFolder, const char* to) {
        return failsNow(SystemCall::Renameat) ? -1
                                              : real().renameat(fromFolder, from, toFolder, to);
    };
    calls.fchmod = [](int file, mode_t mode) {
        return failsNow(SystemCall::Fchmod) ? -1 : real().fchmod(file, mode);
    };
    calls.fchown = [](int file, uid_t owner, gid_t group) {
        return failsNow(SystemCall::Fchown) ? -1 : real().fchown(file, owner, group);
    };
    return calls;
}

}  // namespace

const SystemCalls& PosixFaults::standIns() {
    static const SystemCalls calls = standInCalls();
    return calls;
}

InjectedFault::InjectedFault(SystemCall call, int nth, int error, std::size_t most)
    : CallFaults({{call, error, nth}}) {
    mostBytes = most;
}

InjectedFault::~InjectedFault() {
    mostBytes = std::numeric_limits<std::size_t>::max();
}

}  // namespace orvane::test
