// A real close request on the Qt window reaches the closing prompt: Cancel keeps the window open,
// Yes closes it and saves. What the closing prompt asks and does for each answer:
// tests/ui/test_closing_rules.cpp, in both builds.

#include <QTest>

#include "support/editor_fixture.h"

using orvane::platform::Answer;
using orvane::test::EditorFixture;

class ClosingTest : public QObject {
    Q_OBJECT

  private slots:
    void closeRequest_asksAndActsOnTheAnswer();
};

void ClosingTest::closeRequest_asksAndActsOnTheAnswer() {
    EditorFixture editor;
    editor.writeSettings("JOB=Pump\r\nLANGUAGE=1\r\n");
    editor.start();
    editor.dialogs.answers = {Answer::Cancel, Answer::Yes};

    editor.window()->close();
    QVERIFY(editor.window()->isVisible());
    editor.window()->close();
    QCOMPARE(editor.dialogs.questions.size(), 2u);
    QVERIFY(!editor.window()->isVisible());
    QCOMPARE(editor.readSettings(),
             QByteArray("JOB=Pump\r\nHIGH ALARM=0\r\nLOW ALARM=0\r\nGSM1=\r\n"
                        "GSM2=\r\nGSM3=\r\nLANGUAGE=1\r\n"));
}

QTEST_MAIN(ClosingTest)
#include "test_closing_routes.moc"
