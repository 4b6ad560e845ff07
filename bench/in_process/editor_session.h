#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <string>
#include <string_view>

#include "app/start_up.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_toolkit.h"

namespace orvane::bench {

// The real editor, brought up by Main with the Qt toolkit, dialogs and shell, from a temporary
// program folder that holds the given SETTINGS.TXT. The window is shown and painted once the
// session exists. Needs the QApplication to exist.
class EditorSession {
  public:
    explicit EditorSession(std::string_view settings);
    ~EditorSession();

    Form1& form() { return *form_; }
    QWidget& window() const;
    std::u16string folder() const { return dir_.path().toStdU16String(); }

  private:
    QTemporaryDir dir_;
    platform::qt::QtToolkit toolkit_;
    platform::qt::QtDialogs dialogs_;
    platform::qt::QtShell shell_;
    std::unique_ptr<Form1> form_;
};

// The QApplication of a program that runs the editor in process: on the offscreen platform unless
// QT_QPA_PLATFORM names another.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv);

// Writes SETTINGS.TXT into the folder, replacing it; false when that fails.
bool writeSettings(const QString& folder, std::string_view bytes);

// Waits until the shown window is exposed, then paints it.
void waitUntilPainted(QWidget& window);

// Paints whatever the last changes left to paint in the window and flushes it, at once, as the
// event loop does on its next round.
void paintPendingUpdates(QWidget& window);

}  // namespace orvane::bench
