// Paths as the system's bytes and as the program's text: every name round-trips byte for byte.
// Which bytes are valid UTF-8 is tested once, in tests/platform/test_utf8.cpp; here, that each byte
// of what is not is kept on its own.

#include <QTest>
#include <string>

#include "platform/posix/path_bytes.h"

using orvane::platform::posix::decodePath;
using orvane::platform::posix::encodePath;

namespace {

std::string bytesOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::u16string textOf(const QString& text) {
    return text.toStdU16String();
}

}  // namespace

class TestPathBytes : public QObject {
    Q_OBJECT

  private slots:
    void decodeThenEncode_anyBytes_roundTripExactly_data();
    void decodeThenEncode_anyBytes_roundTripExactly();
    void encode_textNoPathHolds_givesNothing_data();
    void encode_textNoPathHolds_givesNothing();
};

void TestPathBytes::decodeThenEncode_anyBytes_roundTripExactly_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("/tmp/program") << QStringLiteral("/tmp/program");
    QTest::newRow("UTF-8") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC")
                           << QString::fromUtf16(u"café €");
    QTest::newRow("Latin-1 byte") << QByteArray("caf\xE9") << QString::fromUtf16(u"caf\xDCE9");
    QTest::newRow("overlong slash")
        << QByteArray("\xC0\xAF") << QString::fromUtf16(u"\xDCC0\xDCAF");
    QTest::newRow("sequence cut at the end")
        << QByteArray("a\xE2\x82") << QString::fromUtf16(u"a\xDCE2\xDC82");
    // The low half of this pair is also the escape of byte 0x80; only the pair is one character.
    QTest::newRow("pair, then an escaped byte")
        << QByteArray("\xF0\x9F\x92\x80\x80") << QString::fromUtf16(u"\U0001F480\xDC80");
}

void TestPathBytes::decodeThenEncode_anyBytes_roundTripExactly() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QCOMPARE(QString::fromStdU16String(decodePath(bytesOf(bytes))), text);
    QCOMPARE(encodePath(textOf(text)), std::optional<std::string>(bytesOf(bytes)));
}

void TestPathBytes::encode_textNoPathHolds_givesNothing_data() {
    QTest::addColumn<QString>("text");

    QTest::newRow("NUL") << QString::fromUtf16(u"SETTINGS.TXT\0.bak", 17);
    QTest::newRow("lone high surrogate") << QString::fromUtf16(
        u"a\xD83D"
        u"b");
    QTest::newRow("high surrogate at the end") << QString::fromUtf16(u"a\xD83D");
    QTest::newRow("low surrogate below the escapes") << QString::fromUtf16(u"a\xDC41");
    QTest::newRow("low surrogate above the escapes") << QString::fromUtf16(u"a\xDD00");
}

void TestPathBytes::encode_textNoPathHolds_givesNothing() {
    QFETCH(QString, text);

    QVERIFY(!encodePath(textOf(text)));
}

QTEST_APPLESS_MAIN(TestPathBytes)
#include "test_path_bytes.moc"
