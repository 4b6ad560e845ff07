#include "platform/qt/qt_shell.h"

#include <sys/stat.h>

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <optional>
#include <string>

#include "platform/posix/path_bytes.h"
#include "platform/qt/qt_text.h"

namespace orvane::platform::qt {

void QtShell::beep() {
    QApplication::beep();
}

// The path's own bytes: a folder whose name is not UTF-8 is found too.
bool QtShell::isDirectory(std::u16string_view path) {
    const std::optional<std::string> bytes = posix::encodePath(path);
    struct stat status {};
    return bytes && stat(bytes->c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// A file address made from the path's bytes, percent-encoded, names that very folder whatever
// bytes its name holds.
bool QtShell::openFolder(std::u16string_view path) {
    const std::optional<std::string> bytes = posix::encodePath(path);
    if (!bytes) {
        return false;
    }
    const QByteArray encoded = QByteArray::fromStdString(*bytes).toPercentEncoding("/");
    const QUrl url = QUrl::fromEncoded("file://" + encoded, QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool QtShell::openAddress(std::u16string_view address) {
    const QUrl url(toQString(address), QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace orvane::platform::qt
