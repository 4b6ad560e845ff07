// The real message boxes behind the closing question and the save-failure warning.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_dialogs.h"

using orvane::platform::Answer;
using orvane::platform::qt::QtDialogs;

namespace {

// Acts on the box once it is up, from inside its own event loop.
void whenBoxIsShown(std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        act(box);
    });
}

enum class Reply { YesButton, NoButton, CancelButton, EscapeKey, CloseBox };

}  // namespace

Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(Reply)

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void ask_showsAQuestionAndReturnsTheAnswer_data();
    void ask_showsAQuestionAndReturnsTheAnswer();
    void warn_showsAWarningWithOneButton();
};

void DialogsTest::ask_showsAQuestionAndReturnsTheAnswer_data() {
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("Yes") << Reply::YesButton << Answer::Yes;
    QTest::newRow("No") << Reply::NoButton << Answer::No;
    QTest::newRow("Cancel") << Reply::CancelButton << Answer::Cancel;
    QTest::newRow("Esc") << Reply::EscapeKey << Answer::Cancel;
    QTest::newRow("close box") << Reply::CloseBox << Answer::Cancel;
}

void DialogsTest::ask_showsAQuestionAndReturnsTheAnswer() {
    QFETCH(Reply, reply);
    QFETCH(Answer, answer);
    QtDialogs dialogs;
    whenBoxIsShown([reply](QMessageBox* box) {
        QCOMPARE(box->icon(), QMessageBox::Question);
        QCOMPARE(box->windowTitle(), QString::fromUtf16(u"Quitter éditeur de paramètres"));
        QCOMPARE(box->text(), QString::fromUtf16(u"Enregistrer les paramètres avant de quitter?"));
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()),
                 box->button(QMessageBox::Yes));
        switch (reply) {
            case Reply::YesButton:
                QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
                break;
            case Reply::NoButton:
                QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
                break;
            case Reply::CancelButton:
                QTest::mouseClick(box->button(QMessageBox::Cancel), Qt::LeftButton);
                break;
            case Reply::EscapeKey:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Reply::CloseBox:
                box->close();
                break;
        }
    });
    QCOMPARE(dialogs.ask(u"Enregistrer les paramètres avant de quitter?",
                         u"Quitter éditeur de paramètres"),
             answer);
}

void DialogsTest::warn_showsAWarningWithOneButton() {
    QtDialogs dialogs;
    bool shown = false;
    whenBoxIsShown([&shown](QMessageBox* box) {
        shown = true;
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QCOMPARE(box->windowTitle(), QStringLiteral("Exit settings editor"));
        QCOMPARE(box->text(), QStringLiteral("The settings could not be saved.\n\n/x\nDisk full"));
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QTest::keyClick(box, Qt::Key_Return);
    });
    dialogs.warn(u"The settings could not be saved.\n\n/x\nDisk full", u"Exit settings editor");
    QVERIFY(shown);
}

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
