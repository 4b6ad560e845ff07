#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <optional>

namespace orvane::bench {

// Watches the X display named by DISPLAY for a process's top-level window to be mapped. Made
// before the process starts, so that no event is missed.
class WindowMapWatch {
  public:
    WindowMapWatch();
    ~WindowMapWatch();
    WindowMapWatch(const WindowMapWatch&) = delete;
    WindowMapWatch& operator=(const WindowMapWatch&) = delete;

    // When a top-level window whose _NET_WM_PID is `pid` was seen mapped, on the monotonic clock;
    // nothing if the deadline came first.
    std::optional<std::int64_t> waitForWindowOf(pid_t pid, std::int64_t deadline);

  private:
    bool ownedBy(xcb_window_t window, pid_t pid);

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    xcb_atom_t netWmPid_ = XCB_NONE;
};

}  // namespace orvane::bench
