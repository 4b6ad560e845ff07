#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace orvane::bench {

// The moments a start-up probe passes, on the monotonic clock, printed for the start-up driver as
// "stage NAME NANOSECONDS" lines and a closing "peak_kib KIB" line with the memory peak.
class StartupStamps {
  public:
    void mark(std::string_view stage);
    // Prints the stamps and the memory peak as they are now.
    void print() const;

  private:
    std::vector<std::pair<std::string_view, std::int64_t>> stamps_;
};

}  // namespace orvane::bench
