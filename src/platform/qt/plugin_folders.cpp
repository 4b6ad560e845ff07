#include "platform/qt/plugin_folders.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QtGlobal>

namespace orvane::platform::qt {

void keepPluginsToQtFolders() {
    const QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (programFolder.isEmpty()) {
        return;
    }
    // Making the application adds the program's folder to Qt's list, then takes out again what was
    // taken out of the list before. So the folder is put on the list first, through QT_PLUGIN_PATH
    // (the only way in), and taken out for good; the user's own QT_PLUGIN_PATH is put back.
    const bool userNamedFolders = qEnvironmentVariableIsSet("QT_PLUGIN_PATH");
    const QByteArray userFolders = qgetenv("QT_PLUGIN_PATH");
    qputenv("QT_PLUGIN_PATH", QFile::encodeName(programFolder) + ':' + userFolders);
    QStringList folders = QCoreApplication::libraryPaths();
    folders.removeAll(programFolder);
    QCoreApplication::setLibraryPaths(folders);
    if (userNamedFolders) {
        qputenv("QT_PLUGIN_PATH", userFolders);
    } else {
        qunsetenv("QT_PLUGIN_PATH");
    }
}

}  // namespace orvane::platform::qt
