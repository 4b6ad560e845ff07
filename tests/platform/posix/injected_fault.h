#pragma once

#include <cstddef>
#include <limits>

#include "platform/posix/system_calls.h"

namespace orvane::testing {

enum class SystemCall { Read, Write, Fsync, Close, Renameat, Fchmod, Fchown };

// Until the end of its scope, the `nth` call (counted from 1) of one system call of the file
// layer fails with `error` instead of reaching the system; all other calls reach it. A failing
// close still closes, as on Linux. Reads and writes may also be made to move at most `mostBytes`
// at a time, as the system is allowed to. One at a time.
class InjectedFault {
  public:
    InjectedFault(SystemCall call, int nth, int error,
                  std::size_t mostBytes = std::numeric_limits<std::size_t>::max());
    ~InjectedFault();
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;

    // Whether the failing call was made.
    bool happened() const;

  private:
    platform::posix::SystemCalls calls_;
    platform::posix::ScopedSystemCalls scope_;
};

}  // namespace orvane::testing
