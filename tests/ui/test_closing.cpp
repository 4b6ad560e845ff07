// Whole sessions on the real window: start from a settings file, edit with keys and the mouse,
// close, answer the question, and compare the file byte for byte.

#include <QDir>
#include <QTest>

#include "support/editor_fixture.h"

using orvane::platform::Answer;
using orvane::test::EditorFixture;

namespace {

const QByteArray kStartFile =
    "JOB=Pump\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+3161\r\nLANGUAGE=1\r\n";

// Types at the end of the job description, moves the low alarm up by 5 and fills SMS number 2.
void editSomeValues(EditorFixture& editor) {
    editor.job()->setFocus();
    editor.job()->end(false);
    QTest::keyClicks(editor.job(), QStringLiteral(" 2"));
    editor.lowBar()->setFocus();
    for (int press = 0; press < 5; ++press) {
        QTest::keyClick(editor.lowBar(), Qt::Key_Right);
    }
    editor.sms(2)->setFocus();
    QTest::keyClicks(editor.sms(2), QStringLiteral("0612"));
}

const QByteArray kEditedFile =
    "JOB=Pump 2\r\nHIGH ALARM=80\r\nLOW ALARM=25\r\nGSM1=+3161\r\nGSM2=0612\r\nGSM3=\r\n"
    "LANGUAGE=1\r\n";

}  // namespace

Q_DECLARE_METATYPE(Answer)

class ClosingTest : public QObject {
    Q_OBJECT

  private slots:
    void closing_asksAndActsOnTheAnswer_data();
    void closing_asksAndActsOnTheAnswer();
    void cancel_keepsValuesAndAsksAgain();
    void answerYesWithoutAFile_writesTheDefaults();
    void question_isInTheSelectedLanguage_data();
    void question_isInTheSelectedLanguage();
    void failedSave_isShownAndKeepsTheWindowOpen();
};

void ClosingTest::closing_asksAndActsOnTheAnswer_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Yes saves and closes") << Answer::Yes << kEditedFile << true;
    QTest::newRow("No closes and leaves the file") << Answer::No << kStartFile << true;
    QTest::newRow("Cancel keeps the window") << Answer::Cancel << kStartFile << false;
}

void ClosingTest::closing_asksAndActsOnTheAnswer() {
    QFETCH(Answer, answer);
    QFETCH(QByteArray, file);
    QFETCH(bool, closed);
    EditorFixture editor;
    editor.writeSettings(kStartFile);
    editor.start();
    editSomeValues(editor);

    editor.dialogs.answers = {answer};
    editor.window()->close();
    QCOMPARE(editor.dialogs.questions.size(), 1u);
    QCOMPARE(editor.window()->isVisible(), !closed);
    QCOMPARE(editor.readSettings(), file);
    QVERIFY(editor.dialogs.warnings.empty());
    // No temporary file is left beside the settings file.
    QCOMPARE(QDir(editor.folder()).entryList(QDir::Files), QStringList{"SETTINGS.TXT"});
}

void ClosingTest::cancel_keepsValuesAndAsksAgain() {
    EditorFixture editor;
    editor.writeSettings(kStartFile);
    orvane::Form1& form = editor.start();
    editSomeValues(editor);
    editor.dialogs.answers = {Answer::Cancel, Answer::Yes};

    editor.window()->close();
    QVERIFY(editor.window()->isVisible());
    QCOMPARE(form.jobDescription(), u"Pump 2");
    QCOMPARE(form.lowAlarm(), 25);
    QCOMPARE(form.languageIndex(), 1);

    editor.window()->close();
    QCOMPARE(editor.dialogs.questions.size(), 2u);
    QVERIFY(!editor.window()->isVisible());
    QCOMPARE(editor.readSettings(), kEditedFile);
}

void ClosingTest::answerYesWithoutAFile_writesTheDefaults() {
    EditorFixture editor;
    editor.start();
    editor.dialogs.answers = {Answer::Yes};
    editor.window()->close();
    QCOMPARE(editor.readSettings(),
             QByteArray("JOB=\r\nHIGH ALARM=0\r\nLOW ALARM=0\r\nGSM1=\r\nGSM2=\r\nGSM3=\r\n"
                        "LANGUAGE=0\r\n"));
}

void ClosingTest::question_isInTheSelectedLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("English") << 0 << "Exit settings editor"
                             << "Save the settings before you exit?";
    QTest::newRow("French") << 1 << QString::fromUtf16(u"Quitter éditeur de paramètres")
                            << QString::fromUtf16(u"Enregistrer les paramètres avant de quitter?");
    QTest::newRow("German") << 2 << "Verlassen settings editor"
                            << "Speichern Sie die Einstellungen, bevor Sie verlassen?";
    QTest::newRow("Dutch") << 3 << "af te sluiten Settings Editor"
                           << "Sla de instellingen op voordat u afsluiten?";
    QTest::newRow("none selected asks in English") << -1 << "Exit settings editor"
                                                   << "Save the settings before you exit?";
}

void ClosingTest::question_isInTheSelectedLanguage() {
    QFETCH(int, language);
    QFETCH(QString, title);
    QFETCH(QString, text);
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    QVERIFY(form.setLanguageIndex(static_cast<std::int16_t>(language)));
    editor.dialogs.answers = {Answer::Cancel};
    editor.window()->close();
    QCOMPARE(editor.dialogs.questions.size(), 1u);
    QCOMPARE(QString::fromStdU16String(editor.dialogs.questions[0].title), title);
    QCOMPARE(QString::fromStdU16String(editor.dialogs.questions[0].text), text);
}

void ClosingTest::failedSave_isShownAndKeepsTheWindowOpen() {
    EditorFixture editor;
    // A folder where the file should be: nothing can be written in its place.
    QVERIFY(QDir(editor.folder()).mkdir(QStringLiteral("SETTINGS.TXT")));
    orvane::Form1& form = editor.start();
    // Start-up already said that this SETTINGS.TXT could not be read.
    QCOMPARE(editor.dialogs.warnings.size(), 1u);
    editor.dialogs.warnings.clear();
    QVERIFY(form.setLanguageIndex(1));
    QVERIFY(form.setHighAlarm(66));
    editor.dialogs.answers = {Answer::Yes, Answer::No};

    editor.window()->close();
    QVERIFY(editor.window()->isVisible());
    QCOMPARE(editor.dialogs.warnings.size(), 1u);
    const QString warning = QString::fromStdU16String(editor.dialogs.warnings[0].text);
    // The program's own reason, in the window's language.
    QCOMPARE(warning, QString::fromUtf16(u"Les paramètres n'ont pas pu être enregistrés.") +
                          "\n\n" + editor.settingsPath() + "\n" +
                          QString::fromUtf16(u"SETTINGS.TXT n'est pas un fichier ordinaire."));
    QCOMPARE(QString::fromStdU16String(editor.dialogs.warnings[0].title),
             QString::fromUtf16(u"Quitter éditeur de paramètres"));
    QCOMPARE(form.highAlarm(), 66);
    QVERIFY(QFileInfo(editor.settingsPath()).isDir());

    // The user gives up on saving: No closes without another try.
    editor.window()->close();
    QVERIFY(!editor.window()->isVisible());
    QCOMPARE(editor.dialogs.warnings.size(), 1u);
}

QTEST_MAIN(ClosingTest)
#include "test_closing.moc"
