#include "startup/minimal_window.h"

namespace orvane::bench {

std::unique_ptr<QWidget> showMinimalWindow() {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(450, 361);
    window->show();
    return window;
}

}  // namespace orvane::bench
