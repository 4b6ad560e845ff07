#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class QWidget;

namespace orvane::bench {

// The moments a start-up probe passes, on the monotonic clock, printed for the start-up driver as
// "stage NAME NANOSECONDS" lines and a closing "peak_kib KIB" line with the memory peak.
class StartupStamps {
  public:
    void mark(std::string_view stage);

    // Right after the window's first paint has been drawn and flushed, marks "painted", prints
    // the stamps and the memory peak, and leaves the event loop.
    void printWhenPainted(QWidget& window);

  private:
    void print() const;

    std::vector<std::pair<std::string_view, std::int64_t>> stamps_;
};

}  // namespace orvane::bench
