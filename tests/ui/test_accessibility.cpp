// What a screen reader is told about each control, through Qt's accessibility interfaces.

#include <QAccessible>
#include <QTest>

#include "support/editor_fixture.h"

using orvane::test::EditorFixture;

namespace {

QString accessible(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    return interface != nullptr ? interface->text(kind) : QString();
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
    // Combo1's text field, HScroll1, Text1(3), Command1, Command2
    QTest::addColumn<QStringList>("names");
    QTest::newRow("English") << 0
                             << QStringList{"Language", "High pressure alarm (40Pa)",
                                            "SMS Number 3", "DATA folder", "Product web page"};
    QTest::newRow("French") << 1
                            << QStringList{"langue", "Alarme de haute pression (40Pa)",
                                           QString::fromUtf16(u"Numéro SMS 3"), "Dossier DATA",
                                           "Page web du produit"};
    QTest::newRow("German") << 2
                            << QStringList{"Sprache", "Hochdruck-alarm (40Pa)", "SMS-Nummer 3",
                                           "DATA-Ordner", "Produktwebseite"};
    QTest::newRow("Dutch") << 3
                           << QStringList{"taal", "Hoge druk alarm (40Pa)", "SMS nummer 3",
                                          "DATA-map", "Productwebpagina"};
    QTest::newRow("none selected")
        << -1
        << QStringList{"Language", "High pressure alarm (40Pa)", "SMS Number 3", "DATA folder",
                       "Product web page"};
}

void AccessibilityTest::controls_areNamedInTheSelectedLanguage() {
    QFETCH(int, language);
    QFETCH(QStringList, names);
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
    QCOMPARE(accessible(editor.lowBar(), QAccessible::Name), "Low pressure alarm (10Pa)");
    QCOMPARE(accessible(editor.highBar(), QAccessible::Name), "High pressure alarm (10Pa)");
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
             QString::fromUtf16(u"Öffnet den DATA-Ordner neben dem Programm im Dateimanager"));
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
