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
            if (!dragging_) {
                dragging_ = true;
                valueBeforeDrag_ = current;
            }
            return {value, value != current ? ScrollReport::Scroll : ScrollReport::None};
        case SB_THUMBPOSITION: {
            const int before = dragging_ ? valueBeforeDrag_ : current;
            dragging_ = false;
            return {value, value != before ? ScrollReport::Change : ScrollReport::None};
        }
        case SB_ENDSCROLL:
            dragging_ = false;
            return {current, ScrollReport::None};
        default:
            return {value, value != current ? ScrollReport::Change : ScrollReport::None};
    }
}

}  // namespace orvane::platform::win32
