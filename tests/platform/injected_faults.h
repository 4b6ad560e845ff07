#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <vector>

#include "platform/shared/call_table.h"

namespace orvane::test {

// Makes chosen calls of a backend's table of system calls (platform/shared/call_table.h) fail, for
// its lifetime; every other call goes to the system. `Backend` names the table, its calls (an enum
// counted from 0 to Count) and their error type, and gives stand-ins for the calls that ask
// failure() before they call the system's own. One set of faults at a time.
template <typename Backend>
class CallFaults {
  public:
    using Call = typename Backend::Call;
    using Error = typename Backend::Error;

    struct Fault {
        Call call;
        Error error;  // what the failed call reports
        int nth = 1;  // the call that fails: 1 for the first one made while the faults stand
    };

    explicit CallFaults(std::initializer_list<Fault> faults)
        : replacement_(Backend::table(), Backend::standIns()) {
        plan = {faults, {}};
    }
    ~CallFaults() { plan = {}; }
    CallFaults(const CallFaults&) = delete;
    CallFaults& operator=(const CallFaults&) = delete;

    // Whether the failing calls were made.
    bool happened() const {
        return std::all_of(plan.faults.begin(), plan.faults.end(), [](const Fault& fault) {
            return plan.made[index(fault.call)] >= fault.nth;
        });
    }

    // For the stand-ins: counts the call; the error it is to fail with, if this is the one.
    static std::optional<Error> failure(Call call) {
        const int made = ++plan.made[index(call)];
        for (const Fault& fault : plan.faults) {
            if (fault.call == call && fault.nth == made) {
                return fault.error;
            }
        }
        return std::nullopt;
    }

  private:
    static constexpr std::size_t index(Call call) { return static_cast<std::size_t>(call); }

    struct Plan {
        std::vector<Fault> faults;
        std::array<int, index(Call::Count)> made{};
    };
    static inline Plan plan;

    typename platform::CallTable<typename Backend::Calls>::Replacement replacement_;
};

}  // namespace orvane::test
