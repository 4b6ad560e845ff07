// The language selector and the captions it puts on the window, in all four languages.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "support/editor_fixture.h"

using orvane::test::EditorFixture;

class LanguagesTest : public QObject {
    Q_OBJECT

  private slots:
    void choosingALanguage_relabelsAllSevenFrames_data();
    void choosingALanguage_relabelsAllSevenFrames();
    void choosingWithTheMouse_relabelsAtOnce();
    void typingInTheSelector_clearsTheSelectionWithoutRelabelling();
    void noLanguageSelected_captionsFallBackToEnglish();
    void programSetLanguageOutsideTheList_isRefused();
};

void LanguagesTest::choosingALanguage_relabelsAllSevenFrames_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("captions");
    // With a high alarm of 80 and a low alarm of 20, pressing Down this often from English.
    QTest::newRow("English") << 0
                             << QStringList{"Language",
                                            "High pressure alarm (80Pa)",
                                            "Low pressure alarm (20Pa)",
                                            "Job description",
                                            "SMS Number 1",
                                            "SMS Number 2",
                                            "SMS Number 3"};
    QTest::newRow("French") << 1
                            << QStringList{"langue",
                                           "Alarme de haute pression (80Pa)",
                                           "Alarme de basse pression (20Pa)",
                                           "Description du poste",
                                           QString::fromUtf16(u"Numéro SMS 1"),
                                           QString::fromUtf16(u"Numéro SMS 2"),
                                           QString::fromUtf16(u"Numéro SMS 3")};
    QTest::newRow("German") << 2 << QStringList{"Sprache",
                                                "Hochdruck-alarm (80Pa)",
                                                "Niederdruck-alarm (20Pa)",
                                                "Job-beschreibung",
                                                "SMS-Nummer 1",
                                                "SMS-Nummer 2",
                                                "SMS-Nummer 3"};
    QTest::newRow("Dutch") << 3
                           << QStringList{"taal",
                                          "Hoge druk alarm (80Pa)",
                                          "Lage druk alarm (20Pa)",
                                          "Functiebeschrijving",
                                          "SMS nummer 1",
                                          "SMS nummer 2",
                                          "SMS nummer 3"};
}

void LanguagesTest::choosingALanguage_relabelsAllSevenFrames() {
    QFETCH(int, presses);
    QFETCH(QStringList, captions);
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    QVERIFY(form.setHighAlarm(80));
    QVERIFY(form.setLowAlarm(20));
    for (int press = 0; press < presses; ++press) {
        QTest::keyClick(editor.combo(), Qt::Key_Down);
    }
    QCOMPARE(form.languageIndex(), presses);
    QCOMPARE(editor.frameCaptions(), captions);
}

void LanguagesTest::choosingWithTheMouse_relabelsAtOnce() {
    EditorFixture editor;
    editor.start();
    QComboBox* combo = editor.combo();
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    const QRect deutsch = list->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, deutsch.center());
    QCOMPARE(combo->currentIndex(), 2);
    QCOMPARE(combo->currentText(), QStringLiteral("Deutsch"));
    QCOMPARE(editor.frame(0)->title(), QStringLiteral("Sprache"));
    QCOMPARE(editor.frame(6)->title(), QStringLiteral("SMS-Nummer 3"));
}

void LanguagesTest::typingInTheSelector_clearsTheSelectionWithoutRelabelling() {
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    QVERIFY(form.setLanguageIndex(1));
    const QStringList french = editor.frameCaptions();
    QComboBox* combo = editor.combo();
    combo->lineEdit()->setFocus();
    combo->lineEdit()->end(false);
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("x"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(combo->currentText(), QString::fromUtf16(u"Françaisx"));
    QCOMPARE(form.languageIndex(), -1);
    QCOMPARE(combo->count(), 4);
    QCOMPARE(editor.frameCaptions(), french);

    // Typing an entry's name selects nothing either.
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("Deutsch"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QCOMPARE(form.languageIndex(), -1);
    QCOMPARE(editor.frameCaptions(), french);
    QCOMPARE(editor.shell.beeps, 0);
}

void LanguagesTest::noLanguageSelected_captionsFallBackToEnglish() {
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    QVERIFY(form.setLanguageIndex(3));
    QVERIFY(form.setLanguageIndex(-1));
    QCOMPARE(form.languageIndex(), -1);
    QCOMPARE(editor.frame(0)->title(), QStringLiteral("Language"));

    // Typed text, then an alarm change: the relabel uses English and the index stays -1.
    QVERIFY(form.setLanguageIndex(2));
    QTest::keyClicks(editor.combo()->lineEdit(), QStringLiteral("?"));
    QTest::keyClick(editor.highBar(), Qt::Key_Right);
    QCOMPARE(form.languageIndex(), -1);
    QCOMPARE(editor.frame(1)->title(), QStringLiteral("High pressure alarm (1Pa)"));
    QCOMPARE(editor.frame(4)->title(), QStringLiteral("SMS Number 1"));
}

void LanguagesTest::programSetLanguageOutsideTheList_isRefused() {
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    QVERIFY(form.setLanguageIndex(2));
    QVERIFY(!form.setLanguageIndex(4));
    QVERIFY(!form.setLanguageIndex(-2));
    QCOMPARE(form.languageIndex(), 2);
    QCOMPARE(editor.frame(0)->title(), QStringLiteral("Sprache"));
}

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
