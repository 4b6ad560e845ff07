#include "interaction/plain_window.h"

#include <QTest>
#include <stdexcept>

#include "support/editor_session.h"

namespace orvane::bench {

PlainWindow::PlainWindow()
    : bar_(new QScrollBar(Qt::Horizontal, &window_)), field_(new QLineEdit(&window_)) {
    window_.setFixedSize(450, 361);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    window_.setFont(font);
    bar_->setGeometry(24, 176, 401, 17);
    bar_->setRange(0, 100);
    bar_->setPageStep(10);
    field_->setGeometry(24, 248, 177, 21);
    field_->setMaxLength(64);
    window_.show();
    if (!QTest::qWaitForWindowExposed(&window_)) {
        throw std::runtime_error("the plain window was not shown");
    }
    paintPendingUpdates(window_);
}

}  // namespace orvane::bench
