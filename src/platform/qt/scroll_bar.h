#pragma once

#include <QScrollBar>

#include "platform/form_design.h"
#include "platform/form_events.h"
#include "platform/shared/scroll_reports.h"

namespace orvane::platform::qt {

// A horizontal scroll bar that reports each position of a thumb drag as a scroll, and every
// settled value (arrows, trough, keys, the end of a drag) as a change. Keys act as on Windows:
// Left/Up and Page Up step down, Right/Down and Page Down step up, Home and End go to the ends.
class ScrollBar final : public QScrollBar {
  public:
    ScrollBar(ControlId id, const ScrollRange& range, FormEvents& events, QWidget* parent);

    void setProgramValue(int value);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    ScrollReporter reporter_;
};

}  // namespace orvane::platform::qt
