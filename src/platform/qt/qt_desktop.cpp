#include <QApplication>

#include "platform/posix/program_folder.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_toolkit.h"

namespace orvane::platform {
namespace {

class QtDesktop final : public Desktop {
  public:
    QtDesktop(int& argc, char** argv) : application_(argc, argv) {
        QApplication::setApplicationName(QStringLiteral("Orvane PM settings editor"));
    }

    Services services() override {
        return {toolkit_, posix::programFolder(), dialogs_, shell_};
    }

  private:
    QApplication application_;
    qt::QtToolkit toolkit_;
    qt::QtDialogs dialogs_;
    qt::QtShell shell_;
};

}  // namespace

std::unique_ptr<Desktop> startDesktop(int& argc, char** argv) {
    return std::make_unique<QtDesktop>(argc, argv);
}

}  // namespace orvane::platform
