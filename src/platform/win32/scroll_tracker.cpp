#include "platform/win32/scroll_tracker.h"

#include <algorithm>

#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {
namespace {

int requestedValue(int request, int position, int current, const ScrollRange& range) {
    switch (request) {
        case SB_LINELEFT:
            return current - range.smallChange;
        case SB_LINERIGHT:
            return current + range.smallChange;
        case SB_PAGELEFT:
            return current - range.largeChange;
        case SB_PAGERIGHT:
            return current + range.largeChange;
        case SB_LEFT:
            return range.min;
        case SB_RIGHT:
            return range.max;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            return position;
        default:
            return current;
    }
}

}  // namespace

ScrollStep ScrollTracker::apply(int request, int position, int current, const ScrollRange& range) {
    const int value =
        std::clamp(requestedValue(request, position, current, range), range.min, range.max);
    switch (request) {
        case SB_THUMBTRACK:
            if (!reporter_.dragging()) {
                reporter_.thumbPressed(current);
            }
            break;
        case SB_THUMBPOSITION:
            if (!reporter_.dragging()) {
                reporter_.thumbPressed(current);
            }
            return {value, reporter_.thumbReleased(value)};
        case SB_ENDSCROLL:
            reporter_.dragEnded();
            return {current, ScrollReport::None};
        default:
            break;
    }
    return {value, value != current ? reporter_.newValue() : ScrollReport::None};
}

}  // namespace orvane::platform::win32
