#include <chrono>
#include <random>

#include <sys/stat.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "settings/line_reader.h"
#include "settings/settings_file.h"
#include "settings_test_support.h"
#include "watchdog.h"

using orvane::LoadSettings;
using orvane::ValuesNotApplied;
using orvane::testing::FakeEditorState;
using orvane::testing::SettingValues;
using orvane::testing::untouchedValues;
using orvane::testing::untouchedValuesWith;

namespace {

constexpr std::chrono::seconds kLoadLimit{10};

// All the bytes of a literal, also those after a NUL.
template <std::size_t size>
QByteArray withNuls(const char (&bytes)[size]) {
    return QByteArray(bytes, size - 1);
}

enum class Entry { Folder, Fifo, LinkToDevice, LinkToFolder };

SettingValues loadFrom(const QTemporaryDir& folder) {
    FakeEditorState state(untouchedValues());
    const orvane::testing::Watchdog watchdog(kLoadLimit, "LoadSettings");
    LoadSettings(state, folder.path().toStdU16String());
    return state.values();
}

}  // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(ValuesNotApplied)

class TestLoadSettings : public QObject {
    Q_OBJECT

  private slots:
    void loadAFile_appliesEveryValidLineInOrder_data();
    void loadAFile_appliesEveryValidLineInOrder();
    void loadValuesNotAppliedAsTheyStand_namesTheirKeys_data();
    void loadValuesNotAppliedAsTheyStand_namesTheirKeys();
    void loadWithoutASettingsFile_leavesTheValuesAlone();
    void loadWhereTheFileIsNoRegularFile_readsNothingAndReturns_data();
    void loadWhereTheFileIsNoRegularFile_readsNothingAndReturns();
    void loadRandomBytes_staysWithinLimitsAndAppliesTheLinesAfter();
};

void TestLoadSettings::loadAFile_appliesEveryValidLineInOrder_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<SettingValues>("expected");

    const SettingValues untouched = untouchedValues();
    const SettingValues typical{u"Line 7 north", 80, 20, {u"+441234567", u"0612", u"112"}, 2};
    const QByteArray typicalLines[] = {"JOB=Line 7 north", "HIGH ALARM=80", "LOW ALARM=20",
                                       "GSM1=+441234567",  "GSM2=0612",     "GSM3=112",
                                       "LANGUAGE=2"};
    const auto joined = [&typicalLines](const QByteArray& end) {
        QByteArray bytes;
        for (const QByteArray& line : typicalLines) {
            bytes += line + end;
        }
        return bytes;
    };

    QTest::newRow("CR LF") << joined("\r\n") << typical;
    QTest::newRow("LF") << joined("\n") << typical;
    QTest::newRow("CR") << joined("\r") << typical;
    QTest::newRow("mixed line ends")
        << QByteArray(
               "JOB=Line 7 north\rHIGH ALARM=80\nLOW ALARM=20\r\nGSM1=+441234567\n\r"
               "GSM2=0612\r\rGSM3=112\n\nLANGUAGE=2")
        << typical;
    QTest::newRow("no end after last line") << joined("\r\n").chopped(2) << typical;
    QTest::newRow("keys in any case and order")
        << QByteArray(
               "language=2\r\ngsm3=112\r\nGsm2=0612\r\ngsm1=+441234567\r\n"
               "Low Alarm=20\r\nhigh alarm=80\r\njob=Line 7 north\r\n")
        << typical;
    QTest::newRow("empty file") << QByteArray() << untouched;
    QTest::newRow("later line wins")
        << QByteArray("JOB=first\r\nJOB=second\r\n")
        << untouchedValuesWith([](SettingValues& v) { v.job = u"second"; });
    QTest::newRow("values out of limits skipped")
        << QByteArray("HIGH ALARM=101\r\nLOW ALARM=-1\r\nLANGUAGE=4\r\nLANGUAGE=-2\r\n")
        << untouched;
    QTest::newRow("garbage skipped, later lines applied")
        << QByteArray(
               "HIGH ALARM=abc\r\nLOW ALARM=1e1\r\nLANGUAGE=0x1\r\n\x01\xff\xfe garbage\r\n"
               "HIGH ALARM=- 4\r\nHIGH ALARM=66\r\nLOW ALARM=1,5\r\nLOW ALARM=33\r\n"
               "LANGUAGE=3\r\n")
        << untouchedValuesWith([](SettingValues& v) {
               v.highAlarm = 66;
               v.lowAlarm = 33;
               v.language = 3;
           });
    QTest::newRow("code page") << QByteArray("JOB=Caf\xE9 \x80 5\x99\r\nGSM1=\xA3\xE9\r\n")
                               << untouchedValuesWith([](SettingValues& v) {
                                      v.job = u"Café € 5™";
                                      v.sms[0] = u"£é";
                                  });
    QTest::newRow("nul bytes")
        << withNuls("JOB=a\0b\r\nHIGH ALARM=7\0\r\n\0LANGUAGE=1\r\nLOW ALARM=9\r\n")
        << untouchedValuesWith([](SettingValues& v) {
               v.job = u"a";
               v.lowAlarm = 9;
           });

    const qsizetype longest = orvane::LineReader::kMaxLineUnits;
    QTest::newRow("number on the longest whole line")
        << "HIGH ALARM=" + QByteArray(longest - 13, '0') + "77\r\n"
        << untouchedValuesWith([](SettingValues& v) { v.highAlarm = 77; });
    QTest::newRow("number on a cut line not read")
        << "HIGH ALARM=" + QByteArray(longest - 12, '0') + "77\r\nLOW ALARM=7\r\n"
        << untouchedValuesWith([](SettingValues& v) { v.lowAlarm = 7; });
    QTest::newRow("text on a cut line")
        << "GSM3=" + QByteArray(2 * longest, '5') + "\r\nLANGUAGE=1\r\n"
        << untouchedValuesWith([](SettingValues& v) {
               v.sms[2] = std::u16string(16, u'5');
               v.language = 1;
           });
}

void TestLoadSettings::loadAFile_appliesEveryValidLineInOrder() {
    QFETCH(QByteArray, bytes);
    QFETCH(SettingValues, expected);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(orvane::testing::writeBytes(folder.filePath("SETTINGS.TXT"), bytes));
    QCOMPARE(loadFrom(folder), expected);
}

void TestLoadSettings::loadValuesNotAppliedAsTheyStand_namesTheirKeys_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ValuesNotApplied>("expected");
    using enum orvane::Setting;
    QTest::newRow("UTF-8 beyond the code page, bytes that are no text")
        << QByteArray("\xEF\xBB\xBFJOB=\xC5\x81\r\nGSM2=1\r\nGSM1=12\xFF\r\nGSM3=\xC3")
        << ValuesNotApplied{{JobDescription, SmsNumber1, SmsNumber3}};
    QTest::newRow("bad numbers, a text cut at a NUL; empty values and other lines unnamed")
        << withNuls("LANGUAGE=9\r\nHIGH ALARM=abc\r\nGSM2=1\0 2\r\nHIGH ALARM=5\r\nJOB=\r\nX=1\r\n")
        << ValuesNotApplied{{HighAlarm, SmsNumber2, Language}};
    QTest::newRow("UTF-32 little-endian")
        << withNuls("\xFF\xFE\0\0J\0\0\0") << ValuesNotApplied{{}, true};
    QTest::newRow("UTF-32 big-endian")
        << withNuls("\0\0\xFE\xFF\0\0\0J") << ValuesNotApplied{{}, true};
}

void TestLoadSettings::loadValuesNotAppliedAsTheyStand_namesTheirKeys() {
    QFETCH(QByteArray, bytes);
    QFETCH(ValuesNotApplied, expected);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(orvane::testing::writeBytes(folder.filePath("SETTINGS.TXT"), bytes));
    FakeEditorState state(untouchedValues());
    QVERIFY(LoadSettings(state, folder.path().toStdU16String()).notApplied == expected);
}

void TestLoadSettings::loadWithoutASettingsFile_leavesTheValuesAlone() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // A file of a similar name is not the settings file.
    QVERIFY(orvane::testing::writeBytes(folder.filePath("SETTINGS.TXT.bak"), "JOB=backup\r\n"));
    QCOMPARE(loadFrom(folder), untouchedValues());

    FakeEditorState state(untouchedValues());
    LoadSettings(state, folder.filePath("missing").toStdU16String());
    QCOMPARE(state.values(), untouchedValues());
    // Without its folder the file cannot be read either, and the report says so.
    QCOMPARE(LoadSettings(state, std::nullopt).error.problem,
             orvane::platform::FileProblem::NoProgramFolder);
}

void TestLoadSettings::loadWhereTheFileIsNoRegularFile_readsNothingAndReturns_data() {
    QTest::addColumn<Entry>("entry");

    QTest::newRow("folder") << Entry::Folder;
    QTest::newRow("named pipe") << Entry::Fifo;
    QTest::newRow("link to an endless device") << Entry::LinkToDevice;
    QTest::newRow("link to a folder") << Entry::LinkToFolder;
}

// Each of these would block or read without end if it were opened as a file; the watchdog in
// loadFrom fails the test when loading does not return.
void TestLoadSettings::loadWhereTheFileIsNoRegularFile_readsNothingAndReturns() {
    QFETCH(Entry, entry);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("SETTINGS.TXT");
    switch (entry) {
        case Entry::Folder:
            QVERIFY(QDir(folder.path()).mkdir("SETTINGS.TXT"));
            QVERIFY(orvane::testing::writeBytes(path + "/JOB=inside", "JOB=inside\r\n"));
            break;
        case Entry::Fifo:
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case Entry::LinkToDevice:
            QVERIFY(QFile::link("/dev/zero", path));
            break;
        case Entry::LinkToFolder:
            QVERIFY(QFile::link(folder.path(), path));
            break;
    }
    QCOMPARE(loadFrom(folder), untouchedValues());
}

void TestLoadSettings::loadRandomBytes_staysWithinLimitsAndAppliesTheLinesAfter() {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(128 << 10, Qt::Uninitialized);  // within the read limit
    for (char& b : bytes) {
        b = static_cast<char>(byte(random));
    }
    bytes += "\nJOB=after the noise\r\nHIGH ALARM=42\r\n";

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(orvane::testing::writeBytes(folder.filePath("SETTINGS.TXT"), bytes));
    FakeEditorState state(untouchedValues());
    LoadSettings(state, folder.path().toStdU16String());
    QVERIFY(state.withinLimits());
    QCOMPARE(state.values().job, u"after the noise");
    QCOMPARE(state.values().highAlarm, 42);
}

QTEST_GUILESS_MAIN(TestLoadSettings)
#include "test_load_settings.moc"
