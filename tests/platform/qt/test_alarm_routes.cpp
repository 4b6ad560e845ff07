// The routes by which keys and the mouse reach the alarm rules on the Qt window: every key steps
// its bar and the rule runs, during a thumb drag at every position. The rules: tests/ui.

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "i18n/caption_table.h"
#include "support/editor_fixture.h"

using orvane::test::EditorFixture;

namespace {

QPoint thumbCentre(QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.state |= QStyle::State_Horizontal;
    return bar->style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar)
        .center();
}

// An alarm frame's caption in English, as the caption table has it.
QString alarmCaption(int frame, int value) {
    orvane::CaptionTable table;
    table.rebuild(static_cast<std::int16_t>(value), static_cast<std::int16_t>(value));
    return QString::fromStdU16String(table.entry(0, frame));
}

QString highCaption(int value) {
    return alarmCaption(1, value);
}

QString lowCaption(int value) {
    return alarmCaption(2, value);
}

}  // namespace

class AlarmRulesTest : public QObject {
    Q_OBJECT

  private slots:
    void keys_moveOneBarAndPushTheOther_data();
    void keys_moveOneBarAndPushTheOther();
    void thumbDrag_otherBarAndCaptionsFollowEveryPosition_data();
    void thumbDrag_otherBarAndCaptionsFollowEveryPosition();
    void arrowAndTroughClicks_stepTheBar();
};

void AlarmRulesTest::keys_moveOneBarAndPushTheOther_data() {
    QTest::addColumn<bool>("onHighBar");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    // Each row starts from a high alarm of 50 and a low alarm of 20. Where a bar pushes the other,
    // for every move: tests/ui.
    QTest::newRow("high Left steps down") << true << Qt::Key_Left << 15 << 35 << 20;
    QTest::newRow("high Up steps down") << true << Qt::Key_Up << 1 << 49 << 20;
    QTest::newRow("high Page Up pushes low down") << true << Qt::Key_PageUp << 4 << 10 << 10;
    QTest::newRow("high Home pushes low to 0") << true << Qt::Key_Home << 1 << 0 << 0;
    QTest::newRow("high Page Down steps up") << true << Qt::Key_PageDown << 2 << 70 << 20;
    QTest::newRow("high End") << true << Qt::Key_End << 1 << 100 << 20;
    QTest::newRow("low Right steps up") << false << Qt::Key_Right << 1 << 50 << 21;
    QTest::newRow("low Down steps up") << false << Qt::Key_Down << 3 << 50 << 23;
}

void AlarmRulesTest::keys_moveOneBarAndPushTheOther() {
    QFETCH(bool, onHighBar);
    QFETCH(Qt::Key, key);
    QFETCH(int, presses);
    QFETCH(int, high);
    QFETCH(int, low);
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    QVERIFY(form.setHighAlarm(50));
    QVERIFY(form.setLowAlarm(20));

    QScrollBar* bar = onHighBar ? editor.highBar() : editor.lowBar();
    bar->setFocus();
    for (int press = 0; press < presses; ++press) {
        QTest::keyClick(bar, key);
    }
    QCOMPARE(editor.highBar()->value(), high);
    QCOMPARE(editor.lowBar()->value(), low);
    QCOMPARE(editor.frame(1)->title(), highCaption(high));
    QCOMPARE(editor.frame(2)->title(), lowCaption(low));
}

void AlarmRulesTest::thumbDrag_otherBarAndCaptionsFollowEveryPosition_data() {
    QTest::addColumn<bool>("dragHigh");
    QTest::addColumn<int>("target");
    QTest::newRow("high down to 10 drags low along") << true << 10;
}

void AlarmRulesTest::thumbDrag_otherBarAndCaptionsFollowEveryPosition() {
    QFETCH(bool, dragHigh);
    QFETCH(int, target);
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    QVERIFY(form.setHighAlarm(50));
    QVERIFY(form.setLowAlarm(20));

    QScrollBar* dragged = dragHigh ? editor.highBar() : editor.lowBar();
    const int direction = target < dragged->value() ? -1 : 1;
    QPoint point = thumbCentre(dragged);
    QTest::mousePress(dragged, Qt::LeftButton, {}, point);
    QVERIFY(dragged->isSliderDown());
    int positions = 0;
    while (dragged->value() != target) {
        point.rx() += direction;
        QVERIFY2(dragged->rect().contains(point), "the thumb never reached the target");
        const int before = dragged->value();
        QTest::mouseMove(dragged, point);
        if (dragged->value() == before) {
            continue;
        }
        ++positions;
        // During the drag, not only when it ends, the rule has run for this position.
        QVERIFY(dragged->isSliderDown());
        const int high = editor.highBar()->value();
        const int low = editor.lowBar()->value();
        QVERIFY(high >= low);
        QCOMPARE(dragHigh ? low : high, dragHigh ? qMin(20, high) : qMax(50, low));
        QCOMPARE(editor.frame(1)->title(), highCaption(high));
        QCOMPARE(editor.frame(2)->title(), lowCaption(low));
    }
    QTest::mouseRelease(dragged, Qt::LeftButton, {}, point);
    QVERIFY(positions > 5);
    QCOMPARE(editor.highBar()->value(), target);
    QCOMPARE(editor.lowBar()->value(), target);
    QCOMPARE(editor.frame(1)->title(), highCaption(target));
    QCOMPARE(editor.frame(2)->title(), lowCaption(target));
}

void AlarmRulesTest::arrowAndTroughClicks_stepTheBar() {
    EditorFixture editor;
    editor.start();
    QScrollBar* low = editor.lowBar();
    const int arrow = low->height() / 2;
    QTest::mouseClick(low, Qt::LeftButton, {}, QPoint(low->width() - arrow, arrow));
    QCOMPARE(low->value(), 1);
    QCOMPARE(editor.highBar()->value(), 1);  // pushed along
    // A click in the trough right of the thumb pages up.
    QTest::mouseClick(low, Qt::LeftButton, {}, QPoint(low->width() - 3 * arrow, arrow));
    QCOMPARE(low->value(), 11);
    QCOMPARE(editor.frame(2)->title(), lowCaption(11));
    QCOMPARE(editor.frame(1)->title(), highCaption(11));
}

QTEST_MAIN(AlarmRulesTest)
#include "test_alarm_routes.moc"
