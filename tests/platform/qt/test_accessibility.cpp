// What a screen reader is told about each control, through Qt's accessibility interfaces: the
// names and descriptions the program gives, and their change with the language and the alarms.
// Which name each control has in every language: tests/ui.

#include <QAccessible>
#include <QTest>

#include "i18n/accessible_texts.h"
#include "i18n/caption_table.h"
#include "support/editor_fixture.h"

using orvane::test::EditorFixture;

namespace {

QString accessible(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    return interface != nullptr ? interface->text(kind) : QString();
}

QString text(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void controls_areNamedInTheSelectedLanguage_data();
    void controls_areNamedInTheSelectedLanguage();
    void alarmNames_followTheValues();
    void everyControl_hasADescriptionInTheSelectedLanguage();
};

void AccessibilityTest::controls_areNamedInTheSelectedLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 0;
    QTest::newRow("German") << 2;
}

void AccessibilityTest::controls_areNamedInTheSelectedLanguage() {
    QFETCH(int, language);
    // Combo1's text field, HScroll1, Text1(3), Command1, Command2, with a high alarm of 40.
    const int column = orvane::CaptionTable::columnFor(language);
    orvane::CaptionTable captions;
    captions.rebuild(40, 0);
    const QStringList names{
        text(captions.entry(column, 0)), text(captions.entry(column, 1)),
        text(captions.entry(column, 6)),
        text(orvane::accessibleName(orvane::AccessibleControl::DataFolderButton, column)),
        text(orvane::accessibleName(orvane::AccessibleControl::ProductPageButton, column))};
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    QVERIFY(form.setHighAlarm(40));
    QVERIFY(form.setLanguageIndex(static_cast<std::int16_t>(language)));
    const QList<QWidget*> controls{editor.combo()->lineEdit(), editor.highBar(), editor.sms(3),
                                   editor.button(1), editor.button(2)};
    QStringList actual;
    for (QWidget* control : controls) {
        actual << accessible(control, QAccessible::Name);
    }
    QCOMPARE(actual, names);
    // An input control is named by its frame.
    QCOMPARE(accessible(editor.job(), QAccessible::Name), editor.frame(3)->title());
    QCOMPARE(accessible(editor.lowBar(), QAccessible::Name), editor.frame(2)->title());
}

void AccessibilityTest::alarmNames_followTheValues() {
    EditorFixture editor;
    editor.start();
    editor.lowBar()->setFocus();
    QTest::keyClick(editor.lowBar(), Qt::Key_PageDown);
    orvane::CaptionTable captions;
    captions.rebuild(10, 10);
    QCOMPARE(accessible(editor.lowBar(), QAccessible::Name), text(captions.entry(0, 2)));
    QCOMPARE(accessible(editor.highBar(), QAccessible::Name), text(captions.entry(0, 1)));
}

void AccessibilityTest::everyControl_hasADescriptionInTheSelectedLanguage() {
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    const QList<QWidget*> controls{editor.combo(), editor.highBar(), editor.lowBar(),
                                   editor.job(),   editor.sms(1),    editor.sms(2),
                                   editor.sms(3),  editor.button(1), editor.button(2)};
    for (QWidget* control : controls) {
        QVERIFY2(!accessible(control, QAccessible::Description).isEmpty(),
                 qPrintable(control->objectName()));
    }
    const QString english = accessible(editor.button(1), QAccessible::Description);
    QVERIFY(form.setLanguageIndex(2));
    QVERIFY(accessible(editor.button(1), QAccessible::Description) != english);
    QCOMPARE(accessible(editor.button(1), QAccessible::Description),
             text(orvane::accessibleDescription(orvane::AccessibleControl::DataFolderButton, 2)));
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
