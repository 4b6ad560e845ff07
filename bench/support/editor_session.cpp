#include "support/editor_session.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTest>
#include <stdexcept>

#include "platform/qt/qt_window.h"
#include "support/stock_window.h"

namespace orvane::bench {

EditorSession::EditorSession(std::string_view settings) {
    if (!dir_.isValid() || (!settings.empty() &&
                            !writeFile(dir_.filePath(QStringLiteral("SETTINGS.TXT")), settings))) {
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
    setUpLikeEditor();
    return application;
}

int runBenchmarks(int argc, char** argv) {
    const auto application = startApplication(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

bool writeFile(const QString& path, std::string_view bytes) {
    QFile file(path);
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
