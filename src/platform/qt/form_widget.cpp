#include "platform/qt/form_widget.h"

#include <QCloseEvent>

namespace orvane::platform::qt {

FormWidget::FormWidget(FormEvents& events)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      events_(events) {}

void FormWidget::closeEvent(QCloseEvent* event) {
    // A second request while the first one is still being answered is not asked again.
    if (asking_) {
        event->ignore();
        return;
    }
    asking_ = true;
    const bool keepOpen = events_.queryUnload();
    asking_ = false;
    event->setAccepted(!keepOpen);
}

}  // namespace orvane::platform::qt
