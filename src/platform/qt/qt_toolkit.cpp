#include "platform/qt/qt_toolkit.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "platform/qt/qt_window.h"

namespace orvane::platform::qt {

QtToolkit::QtToolkit() {
    // The window's geometry is fixed, so its look must not depend on the desktop's theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // Debian has no Verdana; DejaVu Sans shares its wide proportions and large x-height.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

std::unique_ptr<Window> QtToolkit::createWindow(const FormDesign& design, FormEvents& events) {
    return std::make_unique<QtWindow>(design, events);
}

int QtToolkit::run() {
    return QApplication::exec();
}

}  // namespace orvane::platform::qt
