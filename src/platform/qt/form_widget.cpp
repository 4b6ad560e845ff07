#include "platform/qt/form_widget.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QSessionManager>

namespace orvane::platform::qt {

FormWidget::FormWidget(EventGate& events)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      events_(events) {
#if QT_CONFIG(sessionmanager)
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager& manager) { sessionEnding(manager); });
#endif
}

void FormWidget::closeEvent(QCloseEvent* event) {
    event->setAccepted(agreedToClose_ || !events_.queryUnload());
}

// The session asks first whether it may end; the user's answer to the closing question decides,
// and the window closes at once when it may.
void FormWidget::sessionEnding(QSessionManager& manager) {
#if QT_CONFIG(sessionmanager)
    if (!isVisible() || !manager.allowsInteraction()) {
        return;
    }
    const bool stayOpen = events_.queryUnload();
    manager.release();
    if (stayOpen) {
        manager.cancel();
        return;
    }
    agreedToClose_ = true;
    close();
#else
    Q_UNUSED(manager);
#endif
}

}  // namespace orvane::platform::qt
