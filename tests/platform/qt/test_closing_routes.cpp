// A whole session on the real Qt window: start from a settings file, edit with keys, close the
// window, answer the question, and compare the file byte for byte. What the closing prompt asks
// and does for each answer: tests/ui/test_closing_rules.cpp, in both builds.

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

class ClosingTest : public QObject {
    Q_OBJECT

  private slots:
    void cancel_keepsValuesAndAsksAgain();
};

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
