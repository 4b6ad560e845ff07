#include <QApplication>

#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_translations.h"

namespace orvane::platform {
namespace {

class QtDesktop final : public Desktop {
  public:
    QtDesktop(int& argc, char** argv) : application_(argc, argv) {
        QApplication::setApplicationName(QStringLiteral("Orvane PM settings editor"));
        qt::installQtTranslations();
    }

    Services services() override {
        return {toolkit_, QCoreApplication::applicationDirPath().toStdU16String(), dialogs_,
                shell_};
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
