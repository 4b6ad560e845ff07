#include "startup/window_map_watch.h"

#include <poll.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <stdexcept>

#include "support/process_clock.h"

namespace orvane::bench {
namespace {

// xcb hands out replies and events for the caller to free.
template <typename T>
std::unique_ptr<T, decltype(&std::free)> owned(T* reply) {
    return {reply, &std::free};
}

}  // namespace

WindowMapWatch::WindowMapWatch() : connection_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot connect to the X display");
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const auto atom = owned(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, 11, "_NET_WM_PID"), nullptr));
    netWmPid_ = atom ? atom->atom : XCB_NONE;
    // Tells of the root window's children being reparented and mapped.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

WindowMapWatch::~WindowMapWatch() {
    xcb_disconnect(connection_);
}

bool WindowMapWatch::ownedBy(xcb_window_t window, pid_t pid) {
    const auto reply = owned(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, netWmPid_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    return reply && xcb_get_property_value_length(reply.get()) == 4 &&
           *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())) ==
               static_cast<std::uint32_t>(pid);
}

// A window manager reparents a program's window into a frame of its own, a child of the root
// window, and maps the two together: the frame's MapNotify is when the window shows. Without a
// window manager the program's window is itself a child of the root window.
std::optional<std::int64_t> WindowMapWatch::waitForWindowOf(pid_t pid, std::int64_t deadline) {
    std::set<xcb_window_t> frames;
    while (monotonicNanoseconds() < deadline) {
        while (const auto event = owned(xcb_poll_for_event(connection_))) {
            const std::int64_t seen = monotonicNanoseconds();
            const auto type = event->response_type & 0x7f;
            if (type == XCB_REPARENT_NOTIFY) {
                const auto* reparent = reinterpret_cast<xcb_reparent_notify_event_t*>(event.get());
                if (reparent->parent != root_ && ownedBy(reparent->window, pid)) {
                    frames.insert(reparent->parent);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                if (map->override_redirect == 0 &&
                    (frames.contains(map->window) || ownedBy(map->window, pid))) {
                    return seen;
                }
            }
        }
        if (xcb_connection_has_error(connection_) != 0) {
            throw std::runtime_error("the X connection broke");
        }
        pollfd waiting{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&waiting, 1, 100);
    }
    return std::nullopt;
}

}  // namespace orvane::bench
