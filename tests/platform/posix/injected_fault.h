#pragma once

#include <cstddef>
#include <limits>

#include "platform/injected_faults.h"
#include "platform/posix/system_calls.h"

namespace orvane::test {

// The Linux file access's calls that tests make fail.
struct PosixFaults {
    enum class Call { Read, Write, Fsync, Close, Renameat, Fchmod, Fchown, Count };
    using Error = int;  // set as errno
    using Calls = platform::posix::SystemCalls;
    static platform::CallTable<Calls>& table() { return platform::posix::systemCallTable(); }
    static const Calls& standIns();
};

using SystemCall = PosixFaults::Call;

// The `nth` call (counted from 1) of one system call fails with `error`. A failing close still
// closes, as on Linux. Reads and writes may also be made to move at most `mostBytes` at a time, as
// the system is allowed to.
class InjectedFault : public CallFaults<PosixFaults> {
  public:
    InjectedFault(SystemCall call, int nth, int error,
                  std::size_t mostBytes = std::numeric_limits<std::size_t>::max());
    ~InjectedFault();
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;
};

}  // namespace orvane::test
