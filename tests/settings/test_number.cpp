#include <optional>

#include <QString>
#include <QTest>

#include "settings/number.h"

using orvane::ToInt16;

class TestNumber : public QObject {
    Q_OBJECT

  private slots:
    void convertNumberText_givesTheValueRoundedHalfToEven_data();
    void convertNumberText_givesTheValueRoundedHalfToEven();
    void convertTextThatIsNoInt16_isRefused_data();
    void convertTextThatIsNoInt16_isRefused();
};

void TestNumber::convertNumberText_givesTheValueRoundedHalfToEven_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain") << "55" << 55;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("minus sign") << "-7" << -7;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("spaces around") << "  42  " << 42;
    QTest::newRow("tabs around") << "\t-3\t" << -3;
    QTest::newRow("blanks before sign") << " \t+12" << 12;
    QTest::newRow("leading zeros") << "0000000000000000000000000000000000000000000099" << 99;

    QTest::newRow("fraction below half") << "40.4" << 40;
    QTest::newRow("fraction above half") << "40.6" << 41;
    QTest::newRow("half to even, down") << "40.5" << 40;
    QTest::newRow("half to even, up") << "41.5" << 42;
    QTest::newRow("half of zero") << "0.5" << 0;
    QTest::newRow("negative half to zero") << "-0.5" << 0;
    QTest::newRow("negative half to even") << "-1.5" << -2;
    QTest::newRow("negative half to even, down") << "-2.5" << -2;
    QTest::newRow("half with trailing zeros") << "2.50000000000000000000000000" << 2;
    QTest::newRow("just above half") << "2.5000001" << 3;
    QTest::newRow("above half beyond double precision") << "2.50000000000000000000000000001" << 3;
    QTest::newRow("just below half") << "2.4999999999999999999999999999" << 2;
    QTest::newRow("fraction only") << ".5" << 0;
    QTest::newRow("fraction only, above half") << ".51" << 1;
    QTest::newRow("signed fraction only") << "-.7" << -1;
    QTest::newRow("point without fraction") << "5." << 5;
    QTest::newRow("fraction rounding up to next ten") << "9.9" << 10;

    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("smallest") << "-32768" << -32768;
    QTest::newRow("largest from below") << "32766.5" << 32766;
    QTest::newRow("largest rounded down") << "32767.4999" << 32767;
    QTest::newRow("smallest from half below") << "-32768.5" << -32768;
    QTest::newRow("smallest with leading zeros") << "-00032768.0" << -32768;
}

void TestNumber::convertNumberText_givesTheValueRoundedHalfToEven() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<std::int16_t> number = ToInt16(text.toStdU16String());
    QVERIFY(number.has_value());
    QCOMPARE(int{*number}, expected);
}

void TestNumber::convertTextThatIsNoInt16_isRefused_data() {
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "  \t ";
    QTest::newRow("point alone") << ".";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("sign and point") << "+.";
    QTest::newRow("space after sign") << "- 4";
    QTest::newRow("two signs") << "+-4";
    QTest::newRow("space inside") << "4 4";
    QTest::newRow("exponent") << "1e2";
    QTest::newRow("hexadecimal") << "0x10";
    QTest::newRow("comma as decimal mark") << "1,5";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("trailing letter") << "12a";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("not a number") << "nan";
    QTest::newRow("other blank") << QString::fromUtf16(u"\u00A012");
    QTest::newRow("other digits") << QString::fromUtf16(u"\u0661\u0662");
    QTest::newRow("line feed around") << "\n12\n";
    QTest::newRow("nul after digits") << QString::fromUtf16(u"12\0", 3);

    QTest::newRow("above largest") << "32768";
    QTest::newRow("below smallest") << "-32769";
    QTest::newRow("largest plus half rounds out") << "32767.5";
    QTest::newRow("smallest minus more than half") << "-32768.51";
    QTest::newRow("far too large") << "99999999999999999999999999999999999999";
    QTest::newRow("far too small") << "-184467440737095516160000";
    QTest::newRow("wraps a 32-bit count to a small number") << "4294967301";
    QTest::newRow("wraps a 16-bit count to a small number") << "65541";
}

void TestNumber::convertTextThatIsNoInt16_isRefused() {
    QFETCH(QString, text);
    if (const std::optional<std::int16_t> number = ToInt16(text.toStdU16String())) {
        QFAIL(qPrintable(QStringLiteral("converted to %1").arg(*number)));
    }
}

QTEST_GUILESS_MAIN(TestNumber)
#include "test_number.moc"
