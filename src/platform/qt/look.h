#pragma once

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace orvane::platform::qt {

// The look every window of the program shares, set on the QApplication that exists: one style
// everywhere, and Verdana's stand-in where Verdana is missing. Header-only, so that the
// benchmarks' plain Qt windows take the very same without linking the program's windows.
inline void setUpLook() {
    // The window's geometry is fixed, so its look must not depend on the desktop's theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // Debian has no Verdana; DejaVu Sans shares its wide proportions and large x-height.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

}  // namespace orvane::platform::qt
