// The settings file's code page gives the same characters and bytes as ICU's Windows-1252
// converter, for every byte and every UTF-16 code unit.

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>
#include <optional>
#include <string>

#include "platform/code_page.h"

namespace {

std::u16string icuDecode(std::string_view bytes) {
    QStringDecoder decoder("windows-1252");
    const QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return text.toStdU16String();
}

std::optional<std::string> icuEncode(std::u16string_view text) {
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes =
        encoder.encode(QStringView(text.data(), static_cast<qsizetype>(text.size())));
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

}  // namespace

class TestCodePage : public QObject {
    Q_OBJECT

  private slots:
    void everyByte_decodesAsIcu();
    void everyCodeUnit_encodesAsIcu();
    void surrogates_encodeAsIcu_data();
    void surrogates_encodeAsIcu();
};

void TestCodePage::everyByte_decodesAsIcu() {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        QVERIFY2(orvane::platform::decodeCodePage(one) == icuDecode(one),
                 qPrintable(QString::number(byte, 16)));
        all += one;
    }
    QVERIFY(orvane::platform::decodeCodePage(all) == icuDecode(all));
}

void TestCodePage::everyCodeUnit_encodesAsIcu() {
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const std::u16string text = {u'a', static_cast<char16_t>(unit), u'b'};
        QVERIFY2(orvane::platform::encodeCodePage(text) == icuEncode(text),
                 qPrintable(QString::number(unit, 16)));
        QCOMPARE(orvane::platform::codePageHolds(text), icuEncode(text).has_value());
    }
}

void TestCodePage::surrogates_encodeAsIcu_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("pair") << QStringLiteral("a\U0001F600b");
    QTest::newRow("pair at the end") << QStringLiteral("a\U0001F600");
    QTest::newRow("high surrogate at the end") << QString::fromUtf16(u"a\xD83D");
    QTest::newRow("high surrogate alone") << QString::fromUtf16(u"\xDBFF");
    QTest::newRow("two high surrogates at the end") << QString::fromUtf16(u"a\xD800\xD800");
    QTest::newRow("low surrogate at the end") << QString::fromUtf16(u"a\xDE00");
    QTest::newRow("low then high") << QString::fromUtf16(u"\xDE00\xD83D");
}

void TestCodePage::surrogates_encodeAsIcu() {
    QFETCH(QString, text);
    const std::u16string units = text.toStdU16String();
    QVERIFY(orvane::platform::encodeCodePage(units) == icuEncode(units));
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "test_code_page.moc"
