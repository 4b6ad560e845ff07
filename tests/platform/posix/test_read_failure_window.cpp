// A read error part way through SETTINGS.TXT at start-up, on the real window: the lines before it
// are applied, the one it interrupted is not, and a box over the shown window says so in the
// window's language. Values the window cannot show as the file holds them are named the same way.

#include <QTest>
#include <cerrno>

#include "injected_fault.h"
#include "support/editor_fixture.h"

using orvane::test::EditorFixture;
using orvane::test::InjectedFault;
using orvane::test::SystemCall;

class ReadFailureWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void start_readFailsMidFile_warnsInWindowLanguage_data();
    void start_readFailsMidFile_warnsInWindowLanguage();
    void start_valuesNotApplied_namesTheirKeysInWindowLanguage();
};

void ReadFailureWindowTest::start_readFailsMidFile_warnsInWindowLanguage_data() {
    QTest::addColumn<QByteArray>("languageLine");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("reason");

    QTest::newRow("French")
        << QByteArray("LANGUAGE=1\r\n")
        << QString::fromUtf16(u"Les paramètres n'ont pas pu être lus entièrement.")
        << QString::fromUtf16(u"Le support n'a pas pu être lu ou écrit (erreur d'entrée/sortie).");
    QTest::newRow("German") << QByteArray("LANGUAGE=2\r\n")
                            << QString::fromUtf16(
                                   u"Die Einstellungen konnten nicht vollständig gelesen werden.")
                            << QString::fromUtf16(
                                   u"Der Datenträger konnte nicht gelesen oder "
                                   u"beschrieben werden (Ein-/Ausgabefehler).");
}

void ReadFailureWindowTest::start_readFailsMidFile_warnsInWindowLanguage() {
    QFETCH(QByteArray, languageLine);
    QFETCH(QString, sentence);
    QFETCH(QString, reason);

    EditorFixture editor;
    // 12 bytes a read: the fourth read fails after 36 bytes, within "JOB=abcdefgh".
    editor.writeSettings(languageLine + "HIGH ALARM=55\r\nJOB=abcdefgh\r\n");
    {
        const InjectedFault fault(SystemCall::Read, 4, EIO, 12);
        editor.start();
        QVERIFY(fault.happened());
    }
    QCOMPARE(editor.highBar()->value(), 55);
    QVERIFY(editor.job()->text().isEmpty());
    QVERIFY(editor.window()->isVisible());
    QCOMPARE(editor.dialogs.warnings.size(), 1u);
    QCOMPARE(QString::fromStdU16String(editor.dialogs.warnings[0].text),
             sentence + "\n\n" + editor.settingsPath() + "\n" + reason);
    QCOMPARE(QString::fromStdU16String(editor.dialogs.warnings[0].title),
             editor.window()->windowTitle());
}

void ReadFailureWindowTest::start_valuesNotApplied_namesTheirKeysInWindowLanguage() {
    EditorFixture editor;
    editor.writeSettings("\xEF\xBB\xBFHIGH ALARM=abc\r\nLANGUAGE=3\r\nJOB=\xC5\x81\r\n");
    editor.start();
    QCOMPARE(editor.dialogs.warnings.size(), 1u);
    QCOMPARE(QString::fromStdU16String(editor.dialogs.warnings[0].text),
             "Sommige waarden uit SETTINGS.TXT konden niet ongewijzigd worden overgenomen; "
             "controleer ze voordat u opslaat.\n\n" +
                 editor.settingsPath() + "\nJOB, HIGH ALARM");
}

QTEST_MAIN(ReadFailureWindowTest)
#include "test_read_failure_window.moc"
