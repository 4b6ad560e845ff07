#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "app/start_up.h"
#include "platform/qt/qt_toolkit.h"
#include "support/fake_desktop.h"

namespace orvane::test {

// The real editor window, started by Main against a temporary program folder, with scripted
// dialogs and a recording shell.
class EditorFixture {
  public:
    EditorFixture();
    ~EditorFixture();

    QString folder() const { return dir_.path(); }
    QString settingsPath() const;
    void writeSettings(const QByteArray& bytes) const;
    QByteArray readSettings() const;

    // Runs the start-up sequence; the window is shown and active afterwards.
    Form1& start();
    // The same from another program folder.
    Form1& start(const QString& programFolder);
    Form1& form() { return *form_; }
    QWidget* window() const;

    QComboBox* combo() const;
    QScrollBar* highBar() const;
    QScrollBar* lowBar() const;
    QLineEdit* job() const;
    QLineEdit* sms(int number) const;
    QGroupBox* frame(int index) const;
    QPushButton* button(int number) const;
    QStringList frameCaptions() const;

    ScriptedDialogs dialogs;
    RecordingShell shell;

  private:
    QTemporaryDir dir_;
    platform::qt::QtToolkit toolkit_;
    std::unique_ptr<Form1> form_;
};

}  // namespace orvane::test
