#pragma once

#include <utility>

namespace orvane::platform {

// The system calls of a backend's file access that can fail, called through one table (`Calls`, a
// struct of function pointers) so that a test can make a chosen call fail with a chosen error. The
// program itself always uses the system's own calls.
template <typename Calls>
class CallTable {
  public:
    explicit constexpr CallTable(const Calls& system) : system_(system), inUse_(&system) {}

    const Calls& system() const { return system_; }
    const Calls& inUse() const { return *inUse_; }

    // Puts other calls in place for its lifetime; for tests, and not thread-safe.
    class Replacement {
      public:
        Replacement(CallTable& table, const Calls& calls)
            : table_(table), previous_(std::exchange(table.inUse_, &calls)) {}
        ~Replacement() { table_.inUse_ = previous_; }
        Replacement(const Replacement&) = delete;
        Replacement& operator=(const Replacement&) = delete;

      private:
        CallTable& table_;
        const Calls* previous_;
    };

  private:
    const Calls& system_;
    const Calls* inUse_;
};

}  // namespace orvane::platform
