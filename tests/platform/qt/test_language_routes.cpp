// The routes by which the Qt language selector reaches the language rule: keys and the mouse choose
// an entry and relabel at once, typed text chooses none. The captions themselves: tests/ui.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "i18n/caption_table.h"
#include "support/editor_fixture.h"

using orvane::test::EditorFixture;

namespace {

// The seven frame captions in a language, as the caption table has them.
QStringList captionsFor(int language, int high, int low) {
    orvane::CaptionTable table;
    table.rebuild(static_cast<std::int16_t>(high), static_cast<std::int16_t>(low));
    QStringList captions;
    for (int frame = 0; frame < orvane::FrameCaptions::kFrameCount; ++frame) {
        captions << QString::fromStdU16String(table.entry(language, frame));
    }
    return captions;
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

  private slots:
    void choosingALanguage_relabelsAllSevenFrames_data();
    void choosingALanguage_relabelsAllSevenFrames();
    void choosingWithTheMouse_relabelsAtOnce();
    void typingInTheSelector_clearsTheSelectionWithoutRelabelling();
};

void LanguagesTest::choosingALanguage_relabelsAllSevenFrames_data() {
    QTest::addColumn<int>("presses");
    // Pressing Down this often from English.
    QTest::newRow("English") << 0;
    QTest::newRow("French") << 1;
    QTest::newRow("German") << 2;
    QTest::newRow("Dutch") << 3;
}

void LanguagesTest::choosingALanguage_relabelsAllSevenFrames() {
    QFETCH(int, presses);
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    QVERIFY(form.setHighAlarm(80));
    QVERIFY(form.setLowAlarm(20));
    for (int press = 0; press < presses; ++press) {
        QTest::keyClick(editor.combo(), Qt::Key_Down);
    }
    QCOMPARE(form.languageIndex(), presses);
    QCOMPARE(editor.frameCaptions(), captionsFor(presses, 80, 20));
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
    QCOMPARE(editor.frameCaptions(), captionsFor(2, 0, 0));
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

QTEST_MAIN(LanguagesTest)
#include "test_language_routes.moc"
