// Starting the program on Qt: what Qt may take from the program's folder kept out, and a start
// without a display told in one line.

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_access.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_translations.h"

namespace orvane::platform {
namespace {

struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::optional<std::vector<HeldMessage>> heldMessages;

// Why there is no display: what the environment lacks, or the first line of the first thing Qt
// said, such as "could not connect to display :1".
QString reasonForNoDisplay(const QString& fatalText) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return QStringLiteral("DISPLAY and WAYLAND_DISPLAY are not set");
    }
    const QString& said = heldMessages->empty() ? fatalText : heldMessages->front().text;
    return said.section(QLatin1Char('\n'), 0, 0).trimmed();
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "orvane-pm: no display to show the window on (%s)\n",
                     qUtf8Printable(reasonForNoDisplay(text)));
        std::fflush(stderr);
        std::_Exit(1);  // rather than Qt's abort(), which dumps core
    }
    heldMessages->push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

// Watches Qt's messages while the QApplication is being made. Without a display to show the
// window on (no DISPLAY or WAYLAND_DISPLAY, or an X server that is not there) Qt prints several
// lines about platform plugins and aborts with a core dump; under this guard the program prints
// one line instead and exits with status 1. The messages of a start that works are passed on when
// the guard ends.
class StartGuard {
  public:
    StartGuard();
    ~StartGuard();
    StartGuard(const StartGuard&) = delete;
    StartGuard& operator=(const StartGuard&) = delete;

    // The application exists: Qt's messages go their usual way again.
    void started();
};

StartGuard::StartGuard() {
    heldMessages.emplace();
    previousHandler = qInstallMessageHandler(holdMessage);
}

StartGuard::~StartGuard() {
    started();
}

void StartGuard::started() {
    if (!heldMessages) {
        return;
    }
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : *heldMessages) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        previousHandler(message.type, context, message.text);
    }
    heldMessages.reset();
}

// Keeps Qt's plugins to Qt's own plugin folder and the folders the user names in QT_PLUGIN_PATH.
// Qt would also search the program's folder, which whoever writes the settings file can fill.
// Called before the application is made: making it loads the platform plugin.
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

class QtDesktop final : public Desktop {
  public:
    explicit QtDesktop(char* programName)
        : arguments_{programName, nullptr}, application_(argumentCount_, arguments_.data()) {
        guard_.started();
        QApplication::setApplicationName(QStringLiteral("Orvane PM settings editor"));
        qt::installQtTranslations();
    }

    Services services() override { return {toolkit_, programFolder(), dialogs_, shell_}; }

  private:
    StartGuard guard_;  // first: it watches the application being made
    // The program takes no arguments, and none of Qt's own (-platform, -stylesheet, -reverse...)
    // may change how it starts: the application gets the program's name only. Qt keeps pointers
    // to these for the application's lifetime.
    int argumentCount_ = 1;
    std::array<char*, 2> arguments_;
    QApplication application_;
    qt::QtToolkit toolkit_;
    qt::QtDialogs dialogs_;
    qt::QtShell shell_;
};

}  // namespace

std::unique_ptr<Desktop> startDesktop(int& argc, char** argv) {
    keepPluginsToQtFolders();
    static std::string fallbackName = "orvane-pm";  // for a start with no arguments at all
    return std::make_unique<QtDesktop>(argc > 0 && argv[0] != nullptr ? argv[0]
                                                                      : fallbackName.data());
}

}  // namespace orvane::platform
