// Keyboard focus: where it starts and how Tab and Shift+Tab move it.

#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include "support/editor_fixture.h"

using orvane::test::EditorFixture;

namespace {

// The named control that holds the focus (the focus may sit in a part of it, such as the combo
// box's text field).
QString focusedControl(QWidget* window) {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr && widget != window;
         widget = widget->parentWidget()) {
        QWidget* parent = widget->parentWidget();
        if (parent == window || qobject_cast<QGroupBox*>(parent) != nullptr) {
            return widget->objectName();
        }
    }
    return {};
}

}  // namespace

class FocusTest : public QObject {
    Q_OBJECT

  private slots:
    void tab_cyclesThroughControlsInTabIndexOrder_data();
    void tab_cyclesThroughControlsInTabIndexOrder();
};

void FocusTest::tab_cyclesThroughControlsInTabIndexOrder_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QStringList>("visited");
    const QStringList forward{"Combo1",   "Command1", "HScroll1", "HScroll2", "Text5",
                              "Text1(1)", "Text1(2)", "Text1(3)", "Command2", "Combo1"};
    QStringList backward{"Combo1"};
    for (auto it = forward.rbegin() + 1; it != forward.rend(); ++it) {
        backward << *it;
    }
    QTest::newRow("Tab") << Qt::Key_Tab << forward;
    QTest::newRow("Shift+Tab") << Qt::Key_Backtab << backward;
}

void FocusTest::tab_cyclesThroughControlsInTabIndexOrder() {
    QFETCH(Qt::Key, key);
    QFETCH(QStringList, visited);
    EditorFixture editor;
    editor.start();
    QWidget* window = editor.window();

    QStringList seen{focusedControl(window)};
    for (int press = 1; press < visited.size(); ++press) {
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        seen << focusedControl(window);
        QVERIFY2(!seen.back().startsWith("Frame"), "a frame took the focus");
    }
    QCOMPARE(seen, visited);
}

QTEST_MAIN(FocusTest)
#include "test_focus.moc"
