// Start-up from a SETTINGS.TXT beside the program: the loaded values go in as a user's edits
// would, so the alarm coupling and the relabelling run while the file is read.

#include <QTest>

#include "i18n/caption_table.h"
#include "support/editor_fixture.h"

using orvane::test::EditorFixture;

class StartFromFileTest : public QObject {
    Q_OBJECT

  private slots:
    void startFromFile_setsTheValuesThroughTheAlarmAndLanguageRules_data();
    void startFromFile_setsTheValuesThroughTheAlarmAndLanguageRules();
    void startWithLanguageMinusOne_opensInEnglishWithNothingSelected();
    void startWithCodePageTexts_showsThemDecodedInTheirFields();
};

void StartFromFileTest::startFromFile_setsTheValuesThroughTheAlarmAndLanguageRules_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("language");
    QTest::newRow("typical, French")
        << QByteArray("HIGH ALARM=80\r\nLOW ALARM=20\r\nLANGUAGE=1\r\n") << 80 << 20 << 1;
    QTest::newRow("low above high drags high up")
        << QByteArray("HIGH ALARM=30\r\nLOW ALARM=50\r\n") << 50 << 50 << 0;
    QTest::newRow("high below low pulls low down")
        << QByteArray("LOW ALARM=60\r\nHIGH ALARM=40\r\n") << 40 << 40 << 0;
    QTest::newRow("German") << QByteArray("LANGUAGE=2\r\n") << 0 << 0 << 2;
    QTest::newRow("values out of range are skipped")
        << QByteArray("HIGH ALARM=70\nHIGH ALARM=101\nLANGUAGE=9\nLOW ALARM=abc\nLANGUAGE=3\n")
        << 70 << 0 << 3;
}

void StartFromFileTest::startFromFile_setsTheValuesThroughTheAlarmAndLanguageRules() {
    QFETCH(QByteArray, file);
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(int, language);
    EditorFixture editor;
    editor.writeSettings(file);
    editor.start();
    QCOMPARE(editor.highBar()->value(), high);
    QCOMPARE(editor.lowBar()->value(), low);
    QCOMPARE(editor.combo()->currentIndex(), language);
    QCOMPARE(editor.frame(0)->title(),
             QString::fromStdU16String(orvane::CaptionTable().entry(language, 0)));
    QVERIFY(editor.frame(1)->title().endsWith(QStringLiteral(" (%1Pa)").arg(high)));
    QVERIFY(editor.frame(2)->title().endsWith(QStringLiteral(" (%1Pa)").arg(low)));
    if (language == 2) {
        QCOMPARE(editor.combo()->currentText(), QStringLiteral("Deutsch"));
    }
}

void StartFromFileTest::startWithLanguageMinusOne_opensInEnglishWithNothingSelected() {
    EditorFixture editor;
    editor.writeSettings("LANGUAGE=2\r\nLANGUAGE=-1\r\nHIGH ALARM=12\r\n");
    orvane::Form1& form = editor.start();
    QCOMPARE(form.languageIndex(), -1);
    QVERIFY(editor.combo()->currentText().isEmpty());
    QCOMPARE(editor.frameCaptions(),
             QStringList({"Language", "High pressure alarm (12Pa)", "Low pressure alarm (0Pa)",
                          "Job description", "SMS Number 1", "SMS Number 2", "SMS Number 3"}));
}

void StartFromFileTest::startWithCodePageTexts_showsThemDecodedInTheirFields() {
    EditorFixture editor;
    // Windows-1252: é is 233, € is 128, ™ is 153.
    editor.writeSettings("job=Caf\xe9 \x80 5\x99\r\nGSM1=+31612345678\r\nGSM3=abc def\r\n");
    editor.start();
    QCOMPARE(editor.job()->text(), QString::fromUtf16(u"Café € 5™"));
    QCOMPARE(editor.sms(1)->text(), QStringLiteral("+31612345678"));
    QCOMPARE(editor.sms(3)->text(), QStringLiteral("abc def"));  // as the file has it
    QVERIFY(editor.sms(2)->text().isEmpty());
    QCOMPARE(editor.shell.beeps, 0);
}

QTEST_MAIN(StartFromFileTest)
#include "test_start_from_file.moc"
