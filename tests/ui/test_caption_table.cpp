// The caption table's layout and the alarm suffix, apart from any window.

#include <QTest>

#include "i18n/caption_table.h"

using orvane::CaptionTable;

class CaptionTableTest : public QObject {
    Q_OBJECT

  private slots:
    void rebuild_fillsFourColumnsOfNineSlots();
    void alarmSuffix_showsTheValueInPascal_data();
    void alarmSuffix_showsTheValueInPascal();
    void columnFor_fallsBackToEnglishOutsideTheLanguages_data();
    void columnFor_fallsBackToEnglishOutsideTheLanguages();
};

void CaptionTableTest::rebuild_fillsFourColumnsOfNineSlots() {
    CaptionTable table;
    table.rebuild(80, 20);
    for (int language = 0; language < 4; ++language) {
        for (int slot = 0; slot < 9; ++slot) {
            QVERIFY(!table.entry(language, slot).empty());
        }
        QVERIFY(table.entry(language, 9).empty());
    }
    for (int slot = 0; slot < 10; ++slot) {
        QVERIFY(table.entry(4, slot).empty());
    }
    QCOMPARE(table.entry(1, CaptionTable::kExitTitleSlot), u"Quitter éditeur de paramètres");
    QCOMPARE(table.entry(1, CaptionTable::kExitQuestionSlot),
             u"Enregistrer les paramètres avant de quitter?");
    QCOMPARE(table.entry(0, CaptionTable::kExitTitleSlot), u"Exit settings editor");
    QCOMPARE(table.entry(0, CaptionTable::kExitQuestionSlot),
             u"Save the settings before you exit?");
    QCOMPARE(table.entry(3, 7), u"af te sluiten Settings Editor");
    QCOMPARE(table.entry(2, 8), u"Speichern Sie die Einstellungen, bevor Sie verlassen?");
}

void CaptionTableTest::alarmSuffix_showsTheValueInPascal_data() {
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<QString>("highCaption");
    QTest::addColumn<QString>("lowCaption");
    QTest::newRow("typical") << 55 << 20 << "High pressure alarm (55Pa)"
                             << "Low pressure alarm (20Pa)";
    QTest::newRow("zero") << 0 << 0 << "High pressure alarm (0Pa)"
                          << "Low pressure alarm (0Pa)";
    QTest::newRow("negative") << -5 << -32768 << "High pressure alarm (-5Pa)"
                              << "Low pressure alarm (-32768Pa)";
}

void CaptionTableTest::alarmSuffix_showsTheValueInPascal() {
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(QString, highCaption);
    QFETCH(QString, lowCaption);
    CaptionTable table;
    table.rebuild(static_cast<std::int16_t>(high), static_cast<std::int16_t>(low));
    QCOMPARE(QString::fromStdU16String(table.entry(0, 1)), highCaption);
    QCOMPARE(QString::fromStdU16String(table.entry(0, 2)), lowCaption);
    QVERIFY(QString::fromStdU16String(table.entry(3, 1)).endsWith(highCaption.mid(19)));
}

void CaptionTableTest::columnFor_fallsBackToEnglishOutsideTheLanguages_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("column");
    QTest::newRow("no selection") << -1 << 0;
    QTest::newRow("English") << 0 << 0;
    QTest::newRow("French") << 1 << 1;
    QTest::newRow("Dutch") << 3 << 3;
    QTest::newRow("empty column") << 4 << 0;
}

void CaptionTableTest::columnFor_fallsBackToEnglishOutsideTheLanguages() {
    QFETCH(int, index);
    QFETCH(int, column);
    QCOMPARE(CaptionTable::columnFor(index), column);
}

QTEST_MAIN(CaptionTableTest)
#include "test_caption_table.moc"
