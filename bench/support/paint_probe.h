#pragma once

#include <functional>

class QObject;

namespace orvane::bench {

// Once the top-level window that `isWindow` picks has had its first paint drawn and flushed,
// prints "painted NANOSECONDS PEAK_KIB" for the start-up driver (the monotonic clock, and the
// process's memory peak so far) and ends every event loop, also that of a box open over the
// window. Needs the QApplication to exist.
void printWhenPainted(std::function<bool(const QObject*)> isWindow);

// Whether that has happened.
bool paintPrinted();

}  // namespace orvane::bench
