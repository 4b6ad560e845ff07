#pragma once

#include "platform/form_design.h"

namespace orvane::platform::win32 {

enum class ScrollReport { None, Scroll, Change };

struct ScrollStep {
    int value = 0;  // the bar's new value
    ScrollReport report = ScrollReport::None;
};

// Turns a scroll bar's WM_HSCROLL requests into its new value and what the program is told: each
// new position of a thumb drag is a scroll, every other new value and the end of a drag that moved
// the thumb is a change.
class ScrollTracker {
  public:
    // `request` is the SB_ code, `position` the thumb position sent with SB_THUMBTRACK and
    // SB_THUMBPOSITION, `current` the bar's value before the request.
    ScrollStep apply(int request, int position, int current, const ScrollRange& range);

  private:
    bool dragging_ = false;
    int valueBeforeDrag_ = 0;
};

}  // namespace orvane::platform::win32
