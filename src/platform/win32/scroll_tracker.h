#pragma once

#include "platform/form_design.h"
#include "platform/shared/scroll_reports.h"

namespace orvane::platform::win32 {

struct ScrollStep {
    int value = 0;  // the bar's new value
    ScrollReport report = ScrollReport::None;
};

// Turns a scroll bar's WM_HSCROLL requests into its new value and what the program is told.
class ScrollTracker {
  public:
    // `request` is the SB_ code, `position` the thumb position sent with SB_THUMBTRACK and
    // SB_THUMBPOSITION, `current` the bar's value before the request.
    ScrollStep apply(int request, int position, int current, const ScrollRange& range);

  private:
    ScrollReporter reporter_;
};

}  // namespace orvane::platform::win32
