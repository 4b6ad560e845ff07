// The settings file's code page: every byte has its character and comes back as itself, and a text
// the code page cannot hold is refused as a whole, also when converters are reused.

#include <QTest>
#include <optional>
#include <string>

#include "platform/code_page.h"

using orvane::platform::codePageHolds;
using orvane::platform::decodeCodePage;
using orvane::platform::encodeCodePage;

class TestCodePage : public QObject {
    Q_OBJECT

  private slots:
    void everyByte_decodesToOneCharacterAndBack();
    void westernCharacters_haveTheirBytes_data();
    void westernCharacters_haveTheirBytes();
    void everyCodeUnit_isHeldOnlyIfSomeByteGivesIt();
    void textsOutsideTheCodePage_areRefused_data();
    void textsOutsideTheCodePage_areRefused();
    void aRefusedText_doesNotSpoilTheNext();
};

void TestCodePage::everyByte_decodesToOneCharacterAndBack() {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::u16string text = decodeCodePage(all);
    QCOMPARE(text.size(), all.size());
    QVERIFY(encodeCodePage(text) == all);
}

void TestCodePage::westernCharacters_haveTheirBytes_data() {
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("byte");
    QTest::newRow("euro") << QString::fromUtf16(u"€") << 128;
    QTest::newRow("trade mark") << QString::fromUtf16(u"™") << 153;
    QTest::newRow("e acute") << QString::fromUtf16(u"é") << 233;
    QTest::newRow("u umlaut") << QString::fromUtf16(u"ü") << 252;
    QTest::newRow("plus") << "+" << 43;
}

void TestCodePage::westernCharacters_haveTheirBytes() {
    QFETCH(QString, character);
    QFETCH(int, byte);
    const std::string bytes(1, static_cast<char>(byte));
    QCOMPARE(QString::fromStdU16String(decodeCodePage(bytes)), character);
    QVERIFY(encodeCodePage(character.toStdU16String()) == bytes);
}

void TestCodePage::everyCodeUnit_isHeldOnlyIfSomeByteGivesIt() {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::u16string decoded = decodeCodePage(all);
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const auto c = static_cast<char16_t>(unit);
        const bool givenByAByte = decoded.find(c) != std::u16string::npos;
        QVERIFY2(codePageHolds(std::u16string{u'a', c, u'b'}) == givenByAByte,
                 qPrintable(QString::number(unit, 16)));
    }
}

void TestCodePage::textsOutsideTheCodePage_areRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("Greek") << QString::fromUtf16(u"aΩb");
    QTest::newRow("Chinese at the end") << QString::fromUtf16(u"ab中");
    QTest::newRow("pair of surrogates") << QStringLiteral("a\U0001F600b");
    QTest::newRow("pair at the end") << QStringLiteral("a\U0001F600");
    QTest::newRow("high surrogate at the end") << QString::fromUtf16(u"a\xD83D");
    QTest::newRow("high surrogate alone") << QString::fromUtf16(u"\xDBFF");
    QTest::newRow("low surrogate at the end") << QString::fromUtf16(u"a\xDE00");
}

void TestCodePage::textsOutsideTheCodePage_areRefused() {
    QFETCH(QString, text);
    QVERIFY(!encodeCodePage(text.toStdU16String()).has_value());
    QVERIFY(!codePageHolds(text.toStdU16String()));
}

void TestCodePage::aRefusedText_doesNotSpoilTheNext() {
    QVERIFY(!codePageHolds(u"Ω"));
    QVERIFY(encodeCodePage(u"Caf\u00e9") == std::string("Caf\xe9"));
    QCOMPARE(decodeCodePage("\x80\x99"), u"€™");
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "test_code_page.moc"
