// A read error part way through SETTINGS.TXT at start-up, on the real window: the lines before it
// are applied, the one it interrupted is not, and a box over the shown window says so in the
// window's language.

#include <QTest>
#include <cerrno>
#include <cstring>

#include "injected_fault.h"
#include "support/editor_fixture.h"

using orvane::test::EditorFixture;
using orvane::testing::InjectedFault;
using orvane::testing::SystemCall;

class ReadFailureWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void start_readFailsMidFile_warnsInWindowLanguage_data();
    void start_readFailsMidFile_warnsInWindowLanguage();
};

void ReadFailureWindowTest::start_readFailsMidFile_warnsInWindowLanguage_data() {
    QTest::addColumn<QByteArray>("languageLine");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("title");

    QTest::newRow("French") << QByteArray("LANGUAGE=1\r\n")
                            << QString::fromUtf16(
                                   u"Les paramètres n'ont pas pu être lus entièrement.")
                            << QString::fromUtf16(u"Quitter éditeur de paramètres");
    QTest::newRow("German") << QByteArray("LANGUAGE=2\r\n")
                            << QString::fromUtf16(
                                   u"Die Einstellungen konnten nicht vollständig gelesen werden.")
                            << QStringLiteral("Verlassen settings editor");
}

void ReadFailureWindowTest::start_readFailsMidFile_warnsInWindowLanguage() {
    QFETCH(QByteArray, languageLine);
    QFETCH(QString, sentence);
    QFETCH(QString, title);

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
             sentence + "\n\n" + editor.settingsPath() + "\n" +
                 QString::fromLocal8Bit(std::strerror(EIO)));
    QCOMPARE(QString::fromStdU16String(editor.dialogs.warnings[0].title), title);
}

QTEST_MAIN(ReadFailureWindowTest)
#include "test_read_failure_window.moc"
