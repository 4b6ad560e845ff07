#pragma once

namespace orvane::platform::qt {

// Watches Qt's messages while the QApplication is being made. Without a display to show the
// window on (no DISPLAY or WAYLAND_DISPLAY, or an X server that is not there) Qt prints several
// lines about platform plugins and aborts with a core dump; under this guard the program prints
// one line instead and exits with status 1. The messages of a start that works are passed on when
// the guard ends.
class StartGuard {
  public:
    StartGuard();
    ~StartGuard();
    StartGuard(const StartGuard&) = delete;
    StartGuard& operator=(const StartGuard&) = delete;

    // The application exists: Qt's messages go their usual way again.
    void started();
};

}  // namespace orvane::platform::qt
