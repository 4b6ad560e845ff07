// The routes by which typed, pasted and dropped text reaches the text fields' rules on the Qt
// window, the editing keys, and the fields' lengths. Which texts the rules take: tests/ui.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "support/editor_fixture.h"

using orvane::test::EditorFixture;

namespace {

void typeText(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Drags text from outside the program and drops it in the middle of the field.
void dropText(QLineEdit* field, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint at = field->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
}

// Right-clicks the field and chooses Paste from its menu.
void pasteFromContextMenu(QLineEdit* field) {
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, field->rect().center(),
                                field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &menuEvent);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("&Paste"))) {
            paste = action;
        }
    }
    QVERIFY(paste != nullptr);
    QVERIFY(paste->isEnabled());
    paste->trigger();
    menu->close();
}

enum class Route { MenuPaste, ShiftInsert, Drop };

}  // namespace

Q_DECLARE_METATYPE(Route)

class TextInputTest : public QObject {
    Q_OBJECT

  private slots:
    void typeIntoAField_keepsWhatItsRuleTakesAndBeepsAtTheRest_data();
    void typeIntoAField_keepsWhatItsRuleTakesAndBeepsAtTheRest();
    void pressAnEditingKeyInAnSmsField_actsOrOnlyBeepsAndLeavesTheClipboard_data();
    void pressAnEditingKeyInAnSmsField_actsOrOnlyBeepsAndLeavesTheClipboard();
    void pasteOrDropText_isTakenWholeOrRefusedWithABeep_data();
    void pasteOrDropText_isTakenWholeOrRefusedWithABeep();
    void typeBeyondAFieldsLength_addsNothing_data();
    void typeBeyondAFieldsLength_addsNothing();
};

// A typed character reaches the SMS fields' keystroke filter and the job description's rule.
void TextInputTest::typeIntoAField_keepsWhatItsRuleTakesAndBeepsAtTheRest_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::newRow("SMS number") << "Text1(2)"
                                << "a 1B"
                                << "1" << 3;
    QTest::newRow("job description")
        << "Text5" << QString::fromUtf16(u"aŁbΩc中") << QStringLiteral("abc") << 3;
}

void TextInputTest::typeIntoAField_keepsWhatItsRuleTakesAndBeepsAtTheRest() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    EditorFixture editor;
    editor.start();
    auto* target = editor.window()->findChild<QLineEdit*>(field);
    target->setFocus();
    typeText(target, typed);
    QCOMPARE(target->text(), kept);
    QCOMPARE(editor.shell.beeps, beeps);
}

void TextInputTest::pressAnEditingKeyInAnSmsField_actsOrOnlyBeepsAndLeavesTheClipboard_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("beeps");
    // Each row starts with "123" in the field, all of it selected, and "999" on the clipboard.
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+C only beeps") << Qt::Key_C << ctrl << "123" << 1;
    QTest::newRow("Ctrl+V only beeps") << Qt::Key_V << ctrl << "123" << 1;
    QTest::newRow("Ctrl+X only beeps") << Qt::Key_X << ctrl << "123" << 1;
    QTest::newRow("Ctrl+Z beeps") << Qt::Key_Z << ctrl << "123" << 1;
    QTest::newRow("Ctrl+L, form feed, is let through") << Qt::Key_L << ctrl << "123" << 0;
    QTest::newRow("Enter beeps") << Qt::Key_Return << none << "123" << 1;
    QTest::newRow("Esc beeps") << Qt::Key_Escape << none << "123" << 1;
    QTest::newRow("Backspace deletes") << Qt::Key_Backspace << none << "" << 0;
    QTest::newRow("Delete deletes") << Qt::Key_Delete << none << "" << 0;
    QTest::newRow("Home moves") << Qt::Key_Home << none << "123" << 0;
    QTest::newRow("End moves") << Qt::Key_End << none << "123" << 0;
    QTest::newRow("Left moves") << Qt::Key_Left << none << "123" << 0;
}

void TextInputTest::pressAnEditingKeyInAnSmsField_actsOrOnlyBeepsAndLeavesTheClipboard() {
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, result);
    QFETCH(int, beeps);
    EditorFixture editor;
    editor.start();
    QApplication::clipboard()->setText(QStringLiteral("999"));
    QLineEdit* sms = editor.sms(2);
    sms->setFocus();
    QTest::keyClicks(sms, QStringLiteral("123"));
    sms->selectAll();
    QTest::keyClick(sms, key, modifiers);
    QCOMPARE(sms->text(), result);
    QCOMPARE(editor.shell.beeps, beeps);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("999"));
}

void TextInputTest::pasteOrDropText_isTakenWholeOrRefusedWithABeep_data() {
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    const auto addRoute = [](const char* name, Route route) {
        const QString sms = QStringLiteral("Text1(1)");
        const QString job = QStringLiteral("Text5");
        QTest::addRow("%s: phone number", name) << route << sms << "+31(06.123" << true;
        QTest::addRow("%s: Polish letter", name)
            << route << job << QString::fromUtf16(u"Łódź") << false;
    };
    addRoute("menu paste", Route::MenuPaste);
    addRoute("Shift+Insert", Route::ShiftInsert);
    addRoute("drop", Route::Drop);
}

void TextInputTest::pasteOrDropText_isTakenWholeOrRefusedWithABeep() {
    QFETCH(Route, route);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    EditorFixture editor;
    editor.start();
    auto* target = editor.window()->findChild<QLineEdit*>(field);
    target->setFocus();
    QApplication::clipboard()->setText(text);
    switch (route) {
        case Route::MenuPaste:
            pasteFromContextMenu(target);
            break;
        case Route::ShiftInsert:
            QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Route::Drop:
            dropText(target, text);
            break;
    }
    QCOMPARE(target->text(), accepted ? text : QString());
    QCOMPARE(editor.shell.beeps, accepted ? 0 : 1);
}

void TextInputTest::typeBeyondAFieldsLength_addsNothing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("limit");
    QTest::newRow("job description") << "Text5" << 64;
    QTest::newRow("SMS number 3") << "Text1(3)" << 16;
}

void TextInputTest::typeBeyondAFieldsLength_addsNothing() {
    QFETCH(QString, field);
    QFETCH(int, limit);
    EditorFixture editor;
    editor.start();
    auto* target = editor.window()->findChild<QLineEdit*>(field);
    target->setFocus();
    QTest::keyClicks(target, QString(limit, QLatin1Char('7')));
    QTest::keyClicks(target, QStringLiteral("8"));
    QCOMPARE(target->text(), QString(limit, QLatin1Char('7')));
}

QTEST_MAIN(TextInputTest)
#include "test_text_routes.moc"
