#include "platform/qt/qt_toolkit.h"

#include <QApplication>

#include "platform/qt/look.h"
#include "platform/qt/qt_window.h"

namespace orvane::platform::qt {

QtToolkit::QtToolkit() {
    setUpLook();
}

std::unique_ptr<Window> QtToolkit::createWindow(const FormDesign& design, FormEvents& events) {
    return std::make_unique<QtWindow>(design, events);
}

int QtToolkit::run() {
    return QApplication::exec();
}

}  // namespace orvane::platform::qt
