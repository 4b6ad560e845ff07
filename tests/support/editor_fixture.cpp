#include "support/editor_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "platform/qt/qt_window.h"

namespace orvane::test {

EditorFixture::EditorFixture() = default;
EditorFixture::~EditorFixture() = default;

QString EditorFixture::settingsPath() const {
    return dir_.filePath(QStringLiteral("SETTINGS.TXT"));
}

void EditorFixture::writeSettings(const QByteArray& bytes) const {
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray EditorFixture::readSettings() const {
    QFile file(settingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Form1& EditorFixture::start() {
    return start(dir_.path());
}

Form1& EditorFixture::start(const QString& programFolder) {
    const platform::Services services{toolkit_, programFolder.toStdU16String(), dialogs, shell};
    form_ = Main(services);
    QWidget* widget = window();
    widget->activateWindow();
    if (!QTest::qWaitForWindowActive(widget)) {
        qWarning("the editor window did not become active");
    }
    return *form_;
}

QWidget* EditorFixture::window() const {
    return static_cast<platform::qt::QtWindow&>(form_->window()).widget();
}

namespace {
template <typename Widget>
Widget* child(const QWidget* window, const QString& name) {
    auto* widget = window->findChild<Widget*>(name);
    if (widget == nullptr) {
        qFatal("no control named %s", qPrintable(name));
    }
    return widget;
}
}  // namespace

QComboBox* EditorFixture::combo() const {
    return child<QComboBox>(window(), QStringLiteral("Combo1"));
}

QScrollBar* EditorFixture::highBar() const {
    return child<QScrollBar>(window(), QStringLiteral("HScroll1"));
}

QScrollBar* EditorFixture::lowBar() const {
    return child<QScrollBar>(window(), QStringLiteral("HScroll2"));
}

QLineEdit* EditorFixture::job() const {
    return child<QLineEdit>(window(), QStringLiteral("Text5"));
}

QLineEdit* EditorFixture::sms(int number) const {
    return child<QLineEdit>(window(), QStringLiteral("Text1(%1)").arg(number));
}

QGroupBox* EditorFixture::frame(int index) const {
    return child<QGroupBox>(window(), QStringLiteral("Frame(%1)").arg(index));
}

QPushButton* EditorFixture::button(int number) const {
    return child<QPushButton>(window(), QStringLiteral("Command%1").arg(number));
}

QStringList EditorFixture::frameCaptions() const {
    QStringList captions;
    for (int index = 0; index < 7; ++index) {
        captions << frame(index)->title();
    }
    return captions;
}

}  // namespace orvane::test
