// The editor window as it first appears: geometry, stacking, fonts, pictures and start-up state.

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "i18n/caption_table.h"
#include "support/editor_fixture.h"

using orvane::test::EditorFixture;

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void startUp_showsEnglishWindowWithDesignValues();
    void startUp_centresWindowOnScreen();
    void window_hasFixedClientAreaAndOnlyACloseButton();
    void controls_standAtTheirDesignPlaces_data();
    void controls_standAtTheirDesignPlaces();
    void controls_stackFrontToBackInDesignOrder();
    void overlappingControls_areReachableOverTheirFrames_data();
    void overlappingControls_areReachableOverTheirFrames();
    void everyControl_usesTheWindowFont();
    void fields_haveTheirLengthLimitsAndRanges();
    void pictures_areLoadedInTheirSizes();
    void captions_fitTheirFramesInEveryLanguage_data();
    void captions_fitTheirFramesInEveryLanguage();
};

void WindowLayoutTest::startUp_showsEnglishWindowWithDesignValues() {
    EditorFixture editor;
    editor.start();

    QCOMPARE(editor.window()->windowTitle(), QString::fromUtf16(u"Orvane\u2122 PM"));
    QVERIFY(editor.window()->isVisible());

    QComboBox* combo = editor.combo();
    QCOMPARE(combo->count(), 4);
    const QStringList entries{"English", QString::fromUtf16(u"Français"), "Deutsch", "Nederlands"};
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(combo->itemText(i), entries[i]);
    }
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), QStringLiteral("English"));

    orvane::CaptionTable table;
    table.rebuild(0, 0);
    QStringList captions;
    for (int frame = 0; frame < orvane::FrameCaptions::kFrameCount; ++frame) {
        captions << QString::fromStdU16String(table.entry(0, frame));
    }
    QCOMPARE(editor.frameCaptions(), captions);
    QCOMPARE(editor.highBar()->value(), 0);
    QCOMPARE(editor.lowBar()->value(), 0);
    QVERIFY(editor.job()->text().isEmpty());
    for (int number = 1; number <= 3; ++number) {
        QVERIFY(editor.sms(number)->text().isEmpty());
    }

    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus == combo || combo->isAncestorOf(focus));
}

void WindowLayoutTest::startUp_centresWindowOnScreen() {
    EditorFixture editor;
    editor.start();
    const QRect screen = editor.window()->screen()->geometry();
    const QRect frame = editor.window()->frameGeometry();
    if (frame.width() > screen.width() || frame.height() > screen.height()) {
        QSKIP("the screen is smaller than the window");
    }
    // Half a pixel of rounding either way.
    QVERIFY(qAbs((frame.left() - screen.left()) * 2 + frame.width() - screen.width()) <= 1);
    QVERIFY(qAbs((frame.top() - screen.top()) * 2 + frame.height() - screen.height()) <= 1);
}

void WindowLayoutTest::window_hasFixedClientAreaAndOnlyACloseButton() {
    EditorFixture editor;
    editor.start();
    QWidget* window = editor.window();
    QCOMPARE(window->size(), QSize(450, 361));
    QCOMPARE(window->minimumSize(), QSize(450, 361));
    QCOMPARE(window->maximumSize(), QSize(450, 361));
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // The frames' right edges and the lowest frames' bottom edges.
    QCOMPARE(editor.frame(1)->geometry().right() + 1, 441);
    QCOMPARE(editor.frame(6)->geometry().bottom() + 1, 353);
}

void WindowLayoutTest::controls_standAtTheirDesignPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("inWindow");
    // Pixels at 96 DPI: twips divided by 15.
    QTest::newRow("Frame(0)") << "Frame(0)"
                              << "Form1" << QRect(8, 8, 209, 57);
    QTest::newRow("Combo1") << "Combo1"
                            << "Form1" << QRect(24, 32, 177, 21);
    QTest::newRow("Command2") << "Command2"
                              << "Form1" << QRect(232, 16, 97, 49);
    QTest::newRow("Command1") << "Command1"
                              << "Form1" << QRect(344, 16, 97, 49);
    QTest::newRow("Frame(1)") << "Frame(1)"
                              << "Form1" << QRect(8, 80, 433, 57);
    QTest::newRow("HScroll1") << "HScroll1"
                              << "Form1" << QRect(24, 104, 401, 17);
    QTest::newRow("Frame(2)") << "Frame(2)"
                              << "Form1" << QRect(8, 152, 433, 57);
    QTest::newRow("HScroll2") << "HScroll2"
                              << "Form1" << QRect(24, 176, 401, 17);
    QTest::newRow("Frame(3)") << "Frame(3)"
                              << "Form1" << QRect(8, 224, 209, 57);
    QTest::newRow("Text5") << "Text5"
                           << "Frame(3)" << QRect(24, 248, 177, 21);
    QTest::newRow("Frame(4)") << "Frame(4)"
                              << "Form1" << QRect(232, 224, 209, 57);
    QTest::newRow("Text1(1)") << "Text1(1)"
                              << "Frame(4)" << QRect(248, 248, 177, 21);
    QTest::newRow("Frame(5)") << "Frame(5)"
                              << "Form1" << QRect(8, 296, 209, 57);
    QTest::newRow("Text1(2)") << "Text1(2)"
                              << "Frame(5)" << QRect(24, 320, 177, 21);
    QTest::newRow("Frame(6)") << "Frame(6)"
                              << "Form1" << QRect(232, 296, 209, 57);
    QTest::newRow("Text1(3)") << "Text1(3)"
                              << "Frame(6)" << QRect(248, 320, 177, 21);
}

void WindowLayoutTest::controls_standAtTheirDesignPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, inWindow);
    EditorFixture editor;
    editor.start();
    auto* control = editor.window()->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(QRect(control->mapTo(editor.window(), QPoint(0, 0)), control->size()), inWindow);
    QVERIFY(control->isVisible());
}

void WindowLayoutTest::controls_stackFrontToBackInDesignOrder() {
    EditorFixture editor;
    editor.start();
    QStringList backToFront;
    for (QObject* child : editor.window()->children()) {
        if (child->isWidgetType() && !child->objectName().isEmpty()) {
            backToFront << child->objectName();
        }
    }
    const QStringList frontToBack{"Command2", "Frame(6)", "Frame(5)", "Frame(4)",
                                  "Frame(3)", "HScroll2", "Frame(2)", "HScroll1",
                                  "Frame(1)", "Combo1",   "Frame(0)", "Command1"};
    QStringList expected(frontToBack.rbegin(), frontToBack.rend());
    QCOMPARE(backToFront, expected);
}

void WindowLayoutTest::overlappingControls_areReachableOverTheirFrames_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Combo1") << "Combo1";
    QTest::newRow("HScroll1") << "HScroll1";
    QTest::newRow("HScroll2") << "HScroll2";
    QTest::newRow("Text5") << "Text5";
    QTest::newRow("Text1(2)") << "Text1(2)";
}

void WindowLayoutTest::overlappingControls_areReachableOverTheirFrames() {
    QFETCH(QString, name);
    EditorFixture editor;
    editor.start();
    auto* control = editor.window()->findChild<QWidget*>(name);
    const QPoint centre = control->mapTo(editor.window(), control->rect().center());
    QWidget* hit = editor.window()->childAt(centre);
    QVERIFY(hit == control || control->isAncestorOf(hit));
}

void WindowLayoutTest::everyControl_usesTheWindowFont() {
    EditorFixture editor;
    editor.start();
    const QFont windowFont = editor.window()->font();
    QCOMPARE(windowFont.family(), QStringLiteral("Verdana"));
    QCOMPARE(windowFont.pointSizeF(), 8.25);
    QCOMPARE(windowFont.weight(), QFont::Normal);
    QVERIFY(!windowFont.italic() && !windowFont.underline() && !windowFont.strikeOut());
    // Where Verdana is missing, its stand-in is the one the README names.
    if (!QFontInfo(windowFont).exactMatch()) {
        QCOMPARE(QFontInfo(windowFont).family(), QStringLiteral("DejaVu Sans"));
    }
    const QList<QWidget*> controls = editor.window()->findChildren<QWidget*>();
    QVERIFY(controls.size() >= 16);
    for (QWidget* control : controls) {
        QCOMPARE(control->font(), windowFont);
    }
}

void WindowLayoutTest::fields_haveTheirLengthLimitsAndRanges() {
    EditorFixture editor;
    editor.start();
    QCOMPARE(editor.job()->maxLength(), 64);
    for (int number = 1; number <= 3; ++number) {
        QCOMPARE(editor.sms(number)->maxLength(), 16);
    }
    for (QScrollBar* bar : {editor.highBar(), editor.lowBar()}) {
        QCOMPARE(bar->orientation(), Qt::Horizontal);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 10);
    }
    QVERIFY(editor.combo()->isEditable());
    QCOMPARE(editor.combo()->insertPolicy(), QComboBox::NoInsert);
}

void WindowLayoutTest::pictures_areLoadedInTheirSizes() {
    EditorFixture editor;
    editor.start();
    const QList<QSize> windowIcon = editor.window()->windowIcon().availableSizes();
    QVERIFY(windowIcon.contains(QSize(32, 32)));
    for (int number : {1, 2}) {
        QPushButton* button = editor.button(number);
        QVERIFY(button->text().isEmpty());
        QCOMPARE(button->iconSize(), QSize(32, 32));
        const QList<QSize> sizes = button->icon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
        const QImage image = button->icon().pixmap(QSize(32, 32)).toImage();
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);  // transparent corner
    }
    QCOMPARE(editor.button(1)->toolTip(), QStringLiteral("SAVE FILE"));
    QVERIFY(editor.button(2)->toolTip().isEmpty());
}

void WindowLayoutTest::captions_fitTheirFramesInEveryLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 0;
    QTest::newRow("French") << 1;
    QTest::newRow("German") << 2;
    QTest::newRow("Dutch") << 3;
}

// Also run at screen scale factors 1.5 and 2, where text is measured at the larger size.
void WindowLayoutTest::captions_fitTheirFramesInEveryLanguage() {
    QFETCH(int, language);
    EditorFixture editor;
    orvane::Form1& form = editor.start();
    QVERIFY(form.setHighAlarm(100));
    QVERIFY(form.setLowAlarm(100));
    QVERIFY(form.setLanguageIndex(static_cast<std::int16_t>(language)));
    constexpr int kMargins = 2 * 8;  // the caption's inset on each side of a frame
    for (int index = 0; index < 7; ++index) {
        QGroupBox* frame = editor.frame(index);
        const int textWidth = frame->fontMetrics().horizontalAdvance(frame->title());
        QVERIFY2(textWidth + kMargins <= frame->width(), qPrintable(frame->title()));
    }
    QComboBox* combo = editor.combo();
    for (int entry = 0; entry < combo->count(); ++entry) {
        const int textWidth = combo->fontMetrics().horizontalAdvance(combo->itemText(entry));
        QVERIFY2(textWidth + combo->height() <= combo->width(), qPrintable(combo->itemText(entry)));
    }
}

QTEST_MAIN(WindowLayoutTest)
#include "test_window_layout.moc"
