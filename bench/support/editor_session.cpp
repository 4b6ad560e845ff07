#include "support/editor_session.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTest>
#include <stdexcept>

#include "platform/qt/qt_window.h"

namespace orvane::bench {

EditorSession::EditorSession(std::string_view settings) {
    if (!dir_.isValid() || (!settings.empty() &&
                            !writeFile(dir_.filePath(QStringLiteral("SETTINGS.TXT")), settings))) {
        throw std::runtime_error("cannot make the program folder");
    }
    form_ = Main({toolkit_, folder(), dialogs_, shell_});
    if (!QTest::qWaitForWindowExposed(&window())) {
        throw std::runtime_error("the editor window was not shown");
    }
    paintPendingUpdates(window());
}

EditorSession::~EditorSession() = default;

QWidget& EditorSession::window() const {
    return *static_cast<platform::qt::QtWindow&>(form_->window()).widget();
}

bool writeFile(const QString& path, std::string_view bytes) {
    QFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes.data(), size) == size;
}

void paintPendingUpdates(QWidget& window) {
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window, &request);
}

}  // namespace orvane::bench
