// Whole sessions on the real Qt window: start from a settings file, edit with keys, close the
// window, answer the question, and compare the file byte for byte. What the closing prompt asks
// and does in every case: tests/ui.

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

QTEST_MAIN(ClosingTest)
#include "test_closing_routes.moc"
