#include "injected_fault.h"

#include <algorithm>
#include <cerrno>

namespace orvane::testing {
namespace {

using platform::posix::realSystemCalls;
using platform::posix::SystemCalls;

struct Fault {
    SystemCall call = SystemCall::Read;
    int callsLeft = 0;  // before the one that fails
    int error = 0;
    std::size_t mostBytes = 0;
    bool happened = false;
};

Fault fault;

// True when this call of `call` is the one to fail; errno is set for it.
bool failsNow(SystemCall call) {
    if (call != fault.call || fault.happened) {
        return false;
    }
    if (--fault.callsLeft > 0) {
        return false;
    }
    fault.happened = true;
    errno = fault.error;
    return true;
}

SystemCalls faultyCalls(const Fault& chosen) {
    fault = chosen;
    SystemCalls calls = realSystemCalls();
    calls.read = [](int file, void* buffer, std::size_t size) -> ssize_t {
        return failsNow(SystemCall::Read)
                   ? -1
                   : realSystemCalls().read(file, buffer, std::min(size, fault.mostBytes));
    };
    calls.write = [](int file, const void* bytes, std::size_t size) -> ssize_t {
        return failsNow(SystemCall::Write)
                   ? -1
                   : realSystemCalls().write(file, bytes, std::min(size, fault.mostBytes));
    };
    calls.fsync = [](int file) {
        return failsNow(SystemCall::Fsync) ? -1 : realSystemCalls().fsync(file);
    };
    calls.close = [](int file) {
        const int result = realSystemCalls().close(file);
        return failsNow(SystemCall::Close) ? -1 : result;
    };
    calls.renameat = [](int fromFolder, const char* from, int toFolder, const char* to) {
        return failsNow(SystemCall::Renameat)
                   ? -1
                   : realSystemCalls().renameat(fromFolder, from, toFolder, to);
    };
    calls.fchmod = [](int file, mode_t mode) {
        return failsNow(SystemCall::Fchmod) ? -1 : realSystemCalls().fchmod(file, mode);
    };
    calls.fchown = [](int file, uid_t owner, gid_t group) {
        return failsNow(SystemCall::Fchown) ? -1 : realSystemCalls().fchown(file, owner, group);
    };
    return calls;
}

}  // namespace

InjectedFault::InjectedFault(SystemCall call, int nth, int error, std::size_t mostBytes)
    : calls_(faultyCalls({call, nth, error, mostBytes, false})), scope_(calls_) {}

InjectedFault::~InjectedFault() = default;

bool InjectedFault::happened() const {
    return fault.happened;
}

}  // namespace orvane::testing
