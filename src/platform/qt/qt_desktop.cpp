#include <QApplication>
#include <array>
#include <string>

#include "platform/paths.h"
#include "platform/qt/plugin_folders.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_translations.h"
#include "platform/qt/start_guard.h"

namespace orvane::platform {
namespace {

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
    qt::StartGuard guard_;  // first: it watches the application being made
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
    qt::keepPluginsToQtFolders();
    static std::string fallbackName = "orvane-pm";  // for a start with no arguments at all
    return std::make_unique<QtDesktop>(argc > 0 && argv[0] != nullptr ? argv[0]
                                                                      : fallbackName.data());
}

}  // namespace orvane::platform
