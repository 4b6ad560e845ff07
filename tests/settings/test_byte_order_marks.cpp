// SETTINGS.TXT saved by another editor as UTF-8 or UTF-16 with a byte-order mark: the values are
// read in that encoding, and a text that the file's code page cannot hold is skipped like any bad
// value, so the job description read before it stays.

#include <QTemporaryDir>
#include <QTest>

#include "settings/settings_file.h"
#include "settings_test_support.h"

using orvane::testing::FakeEditorState;
using orvane::testing::SettingValues;
using orvane::testing::untouchedValues;
using orvane::testing::untouchedValuesWith;

namespace {

enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

QByteArray withMark(const QString& text, Encoding encoding) {
    if (encoding == Encoding::Utf8) {
        return "\xEF\xBB\xBF" + text.toUtf8();
    }
    const bool little = encoding == Encoding::Utf16LittleEndian;
    QByteArray bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const QChar unit : text) {
        const auto high = static_cast<char>(unit.unicode() >> 8);
        const auto low = static_cast<char>(unit.unicode() & 0xFF);
        bytes += little ? low : high;
        bytes += little ? high : low;
    }
    return bytes;
}

}  // namespace

Q_DECLARE_METATYPE(Encoding)

class TestByteOrderMarks : public QObject {
    Q_OBJECT

  private slots:
    void load_fileWithByteOrderMark_readsItsEncoding_data();
    void load_fileWithByteOrderMark_readsItsEncoding();
    void load_utf8LineStartingWithAnotherMark_readsTheLine();
};

void TestByteOrderMarks::load_fileWithByteOrderMark_readsItsEncoding_data() {
    QTest::addColumn<Encoding>("encoding");

    QTest::newRow("UTF-8") << Encoding::Utf8;
    QTest::newRow("UTF-16 little-endian") << Encoding::Utf16LittleEndian;
    QTest::newRow("UTF-16 big-endian") << Encoding::Utf16BigEndian;
}

void TestByteOrderMarks::load_fileWithByteOrderMark_readsItsEncoding() {
    QFETCH(Encoding, encoding);

    // Ł has no byte in Windows-1252, and the telephone sign lies beyond 16 bits.
    const QString text = QString::fromUtf16(
        u"JOB=Café ™ 5€\r\nHIGH ALARM=55\r\nJOB=Łódź\r\nGSM1=+31 6\r\nGSM2=\U0001F4DE 112\n"
        u"LANGUAGE=3");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(orvane::testing::writeBytes(folder.filePath("SETTINGS.TXT"), withMark(text, encoding)));

    FakeEditorState state(untouchedValues());
    const orvane::LoadReport report = orvane::LoadSettings(state, folder.path().toStdU16String());
    QCOMPARE(report.error, orvane::platform::FileError{});
    QCOMPARE(state.values(), untouchedValuesWith([](SettingValues& v) {
                 v.job = u"Café ™ 5€";
                 v.highAlarm = 55;
                 v.sms[0] = u"+31 6";
                 v.language = 3;
             }));
}

// Two such files joined into one: the second file's mark starts a line.
void TestByteOrderMarks::load_utf8LineStartingWithAnotherMark_readsTheLine() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(
        orvane::testing::writeBytes(folder.filePath("SETTINGS.TXT"),
                                    "\xEF\xBB\xBFHIGH ALARM=55\r\n\xEF\xBB\xBFLOW ALARM=44\r\n"));

    FakeEditorState state(untouchedValues());
    orvane::LoadSettings(state, folder.path().toStdU16String());
    QCOMPARE(state.values(), untouchedValuesWith([](SettingValues& v) {
                 v.highAlarm = 55;
                 v.lowAlarm = 44;
             }));
}

QTEST_GUILESS_MAIN(TestByteOrderMarks)
#include "test_byte_order_marks.moc"
