#include "in_process/editor_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QTest>
#include <stdexcept>

#include "platform/qt/look.h"
#include "platform/qt/qt_window.h"

namespace orvane::bench {

EditorSession::EditorSession(std::string_view settings) {
    if (!dir_.isValid() || !writeSettings(dir_.path(), settings)) {
        throw std::runtime_error("cannot make the program folder");
    }
    form_ = Main({toolkit_, folder(), dialogs_, shell_});
    waitUntilPainted(window());
}

EditorSession::~EditorSession() = default;

QWidget& EditorSession::window() const {
    return *static_cast<platform::qt::QtWindow&>(form_->window()).widget();
}

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    auto application = std::make_unique<QApplication>(argc, argv);
    platform::qt::setUpLook();  // for the stock windows too
    return application;
}

bool writeSettings(const QString& folder, std::string_view bytes) {
    QFile file(QDir(folder).filePath(QStringLiteral("SETTINGS.TXT")));
    const auto size = static_cast<qint64>(bytes.size());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), size) == size;
}

void waitUntilPainted(QWidget& window) {
    if (!QTest::qWaitForWindowExposed(&window)) {
        throw std::runtime_error("the window was not shown");
    }
    paintPendingUpdates(window);
}

void paintPendingUpdates(QWidget& window) {
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window, &request);
}

}  // namespace orvane::bench
