#include "platform/qt/start_guard.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace orvane::platform::qt {
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

}  // namespace

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

}  // namespace orvane::platform::qt
