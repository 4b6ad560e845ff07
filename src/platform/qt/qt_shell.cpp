#include "platform/qt/qt_shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace orvane::platform::qt {

void QtShell::beep() {
    QApplication::beep();
}

bool QtShell::isDirectory(std::u16string_view path) {
    return QFileInfo(toQString(path)).isDir();
}

bool QtShell::openFolder(std::u16string_view path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}

bool QtShell::openAddress(std::u16string_view address) {
    const QUrl url(toQString(address), QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace orvane::platform::qt
