#pragma once

#include <functional>

class QWidget;

namespace orvane::bench {

// Calls `painted` once, from the event loop, right after the window's first paint has been drawn
// into its backing store and flushed to the screen.
void onFirstPaint(QWidget& window, std::function<void()> painted);

}  // namespace orvane::bench
