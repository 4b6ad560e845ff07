#pragma once

#include <QLineEdit>
#include <QScrollBar>
#include <memory>
#include <stdexcept>

#include "support/editor_session.h"
#include "support/stock_window.h"
#include "support/typical_settings.h"

namespace orvane::bench {

template <typename Widget>
Widget& child(QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        throw std::runtime_error(name);
    }
    return *widget;
}

// The editor with both alarms at 0, its low alarm bar dragged: each step up pushes the high alarm
// along, so the low bar's rule, the high bar's rule and two caption refreshes run for it.
struct EditorTarget {
    EditorSession session{kTypicalSettings};
    QScrollBar& bar = child<QScrollBar>(session.window(), "HScroll2");
    QLineEdit& field = child<QLineEdit>(session.window(), "Text5");

    EditorTarget() { resetAlarms(); }
    QWidget& window() { return session.window(); }
    // The high alarm set to 0 pushes the low one down with it.
    void resetAlarms() {
        session.form().setHighAlarm(0);
        paintPendingUpdates(window());
    }
    bool followed(int low) { return session.form().highAlarm() >= low; }
    void clearField() { session.form().setJobDescription(u""); }
};

// The same input on the editor's controls as stock Qt widgets, with no handlers: no rules, no
// captions to refresh.
struct PlainTarget {
    std::unique_ptr<QWidget> plain = stockControlsWindow();
    QScrollBar& bar = child<QScrollBar>(*plain, "HScroll2");
    QLineEdit& field = child<QLineEdit>(*plain, "Text5");

    PlainTarget() {
        plain->show();
        waitUntilPainted(*plain);
    }
    QWidget& window() { return *plain; }
    void resetAlarms() {
        bar.setValue(0);
        paintPendingUpdates(window());
    }
    bool followed(int /*low*/) { return true; }
    void clearField() { field.clear(); }
};

}  // namespace orvane::bench
