#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

class QObject;
class QString;
class QWidget;

namespace orvane::bench {

// The moments a start-up probe passes, on the monotonic clock, printed for the start-up driver as
// "stage NAME NANOSECONDS" lines and a closing "peak_kib KIB" line with the memory peak.
class StartupStamps {
  public:
    void mark(std::string_view stage);

    // Right after the window's first paint has been drawn and flushed, marks "painted", prints
    // the stamps and the memory peak, and ends every event loop.
    void printWhenPainted(QWidget& window);
    // The same for the top-level window of that object name, made later, and marks "shown" when
    // it is shown: the editor's start-up may hold a box open over its window, so that the
    // window is painted before the start-up returns.
    void printWhenPainted(const QString& windowName);
    bool printed() const { return printed_; }

  private:
    void watch(std::function<bool(const QObject*)> isWindow, bool markShown);
    void print() const;

    std::vector<std::pair<std::string_view, std::int64_t>> stamps_;
    bool printed_ = false;
};

}  // namespace orvane::bench
