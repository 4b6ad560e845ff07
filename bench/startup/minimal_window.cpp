#include "startup/minimal_window.h"

#include <QLabel>

namespace orvane::bench {

std::unique_ptr<QWidget> showMinimalWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(450, 361);
    window->show();
    return window;
}

std::unique_ptr<QWidget> showMinimalWindowWithText() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(450, 361);
    auto* label = new QLabel(QStringLiteral("High pressure alarm (80Pa)"), window.get());
    label->move(16, 16);
    window->show();
    return window;
}

}  // namespace orvane::bench
