#pragma once

#include "platform/form_events.h"

namespace orvane::platform {

enum class ScrollReport { None, Scroll, Change };

// What the program hears of a scroll bar: while its thumb is being dragged every new value is a
// scroll; any other new value is a change, and so is the end of a drag that left the bar on
// another value than the one it started from. Each backend tells it what its bar does.
class ScrollReporter {
  public:
    void thumbPressed(int value) {
        dragging_ = true;
        valueAtPress_ = value;
    }
    // The bar has taken a new value.
    ScrollReport newValue() const {
        return dragging_ ? ScrollReport::Scroll : ScrollReport::Change;
    }
    ScrollReport thumbReleased(int value) {
        const bool moved = dragging_ && value != valueAtPress_;
        dragging_ = false;
        return moved ? ScrollReport::Change : ScrollReport::None;
    }
    // The drag ended without a last position.
    void dragEnded() { dragging_ = false; }
    bool dragging() const { return dragging_; }

  private:
    bool dragging_ = false;
    int valueAtPress_ = 0;
};

// Passes a report on to the program.
inline void tell(FormEvents& events, ControlId bar, ScrollReport report) {
    switch (report) {
        case ScrollReport::Scroll:
            events.scroll(bar);
            break;
        case ScrollReport::Change:
            events.change(bar);
            break;
        case ScrollReport::None:
            break;
    }
}

}  // namespace orvane::platform
