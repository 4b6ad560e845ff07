#include <QString>
#include <QTest>

#include "settings/setting_line.h"
#include "settings_test_support.h"

using orvane::ApplySettingLine;
using orvane::GetSettingValue;
using orvane::testing::FakeEditorState;
using orvane::testing::SettingValues;
using orvane::testing::toQString;
using orvane::testing::untouchedValues;
using orvane::testing::untouchedValuesWith;

class TestSettingLine : public QObject {
    Q_OBJECT

  private slots:
    void getValueOfAKey_givesWhatFollowsItAtTheLineStart_data();
    void getValueOfAKey_givesWhatFollowsItAtTheLineStart();
    void applyLine_setsOnlyAValidValueOfItsKey_data();
    void applyLine_setsOnlyAValidValueOfItsKey();
};

void TestSettingLine::getValueOfAKey_givesWhatFollowsItAtTheLineStart_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, std::u16string_view line, std::u16string_view key,
                        std::u16string_view expected) {
        QTest::newRow(name) << toQString(line) << toQString(key) << toQString(expected);
    };

    row("upper case", u"JOB=Line 7", u"JOB=", u"Line 7");
    row("lower case line", u"job=Line 7", u"JOB=", u"Line 7");
    row("mixed case line", u"High Alarm=70", u"HIGH ALARM=", u"70");
    row("lower case key", u"GSM2=0612", u"gsm2=", u"0612");
    row("value keeps its case and blanks", u"JOB= a B ", u"JOB=", u" a B ");
    row("other key inside the value", u"JOB=call GSM1=now", u"JOB=", u"call GSM1=now");
    row("key only inside the value", u"JOB=call GSM1=now", u"GSM1=", u"");
    row("key after other text", u"X JOB=abc", u"JOB=", u"");
    row("key after a space", u" JOB=abc", u"JOB=", u"");
    row("key without its equals sign", u"JOB abc", u"JOB=", u"");
    row("longer word", u"JOBS=abc", u"JOB=", u"");
    row("line shorter than key", u"JO", u"JOB=", u"");
    row("key alone", u"JOB=", u"JOB=", u"");
    row("empty line", u"", u"JOB=", u"");
    // Only ASCII letters fold: neither the dotless i nor the Kelvin sign stands for a key letter.
    row("dotless i", u"H\u0131GH ALARM=5", u"HIGH ALARM=", u"");
    row("Kelvin sign", u"\u212A=5", u"K=", u"");
    row("letters beyond ASCII compare as they are", u"\u00E9=1", u"\u00C9=", u"");
}

void TestSettingLine::getValueOfAKey_givesWhatFollowsItAtTheLineStart() {
    QFETCH(QString, line);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(toQString(GetSettingValue(line.toStdU16String(), key.toStdU16String())), expected);
}

void TestSettingLine::applyLine_setsOnlyAValidValueOfItsKey_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("wholeLine");
    QTest::addColumn<SettingValues>("expected");

    const SettingValues untouched = untouchedValues();

    QTest::newRow("job") << "JOB=Line 7" << true
                         << untouchedValuesWith([](SettingValues& v) { v.job = u"Line 7"; });
    QTest::newRow("job, lower case key")
        << "job=Line 7" << true << untouchedValuesWith([](SettingValues& v) { v.job = u"Line 7"; });
    QTest::newRow("job with another key inside")
        << "JOB=call GSM1=now" << true
        << untouchedValuesWith([](SettingValues& v) { v.job = u"call GSM1=now"; });
    QTest::newRow("job cut to its field")
        << "JOB=" + QString(70, 'j') << true
        << untouchedValuesWith([](SettingValues& v) { v.job = std::u16string(64, u'j'); });
    QTest::newRow("high alarm") << "HIGH ALARM=70" << true
                                << untouchedValuesWith([](SettingValues& v) { v.highAlarm = 70; });
    QTest::newRow("low alarm") << "low alarm=5" << true
                               << untouchedValuesWith([](SettingValues& v) { v.lowAlarm = 5; });
    QTest::newRow("sms 1") << "GSM1=+441234567" << true
                           << untouchedValuesWith(
                                  [](SettingValues& v) { v.sms[0] = u"+441234567"; });
    QTest::newRow("sms 2") << "Gsm2=0612" << true
                           << untouchedValuesWith([](SettingValues& v) { v.sms[1] = u"0612"; });
    QTest::newRow("sms 3 cut to its field")
        << "GSM3=12345678901234567890" << true
        << untouchedValuesWith([](SettingValues& v) { v.sms[2] = u"1234567890123456"; });
    QTest::newRow("language") << "LANGUAGE=2" << true
                              << untouchedValuesWith([](SettingValues& v) { v.language = 2; });
    QTest::newRow("no language") << "LANGUAGE=-1" << true
                                 << untouchedValuesWith([](SettingValues& v) { v.language = -1; });

    QTest::newRow("blanks and plus sign")
        << "HIGH ALARM= \t+70 \t" << true
        << untouchedValuesWith([](SettingValues& v) { v.highAlarm = 70; });
    QTest::newRow("rounded half to even, down")
        << "HIGH ALARM=40.5" << true
        << untouchedValuesWith([](SettingValues& v) { v.highAlarm = 40; });
    QTest::newRow("text keeps its blanks")
        << "GSM1= 0612 " << true
        << untouchedValuesWith([](SettingValues& v) { v.sms[0] = u" 0612 "; });

    QTest::newRow("empty job") << "JOB=" << true << untouched;
    QTest::newRow("empty sms") << "GSM2=" << true << untouched;
    QTest::newRow("empty alarm") << "HIGH ALARM=" << true << untouched;
    QTest::newRow("high alarm above its limit") << "HIGH ALARM=101" << true << untouched;
    QTest::newRow("low alarm below its limit") << "LOW ALARM=-1" << true << untouched;
    QTest::newRow("language above its limit") << "LANGUAGE=4" << true << untouched;
    QTest::newRow("language below its limit") << "LANGUAGE=-2" << true << untouched;
    QTest::newRow("not a number") << "HIGH ALARM=high" << true << untouched;
    QTest::newRow("key not at line start") << "X JOB=abc" << true << untouched;
    QTest::newRow("unknown key") << "PRESSURE=12" << true << untouched;

    QTest::newRow("cut line: text still applied")
        << "JOB=" + QString(100, 'c') << false
        << untouchedValuesWith([](SettingValues& v) { v.job = std::u16string(64, u'c'); });
    QTest::newRow("cut line: sms still applied")
        << "GSM1=0612" << false
        << untouchedValuesWith([](SettingValues& v) { v.sms[0] = u"0612"; });
    QTest::newRow("cut line: alarm not read") << "HIGH ALARM=70" << false << untouched;
    QTest::newRow("cut line: language not read") << "LANGUAGE=2" << false << untouched;
}

void TestSettingLine::applyLine_setsOnlyAValidValueOfItsKey() {
    QFETCH(QString, line);
    QFETCH(bool, wholeLine);
    QFETCH(SettingValues, expected);

    FakeEditorState state(untouchedValues());
    ApplySettingLine(state, line.toStdU16String(), wholeLine);
    QCOMPARE(state.values(), expected);
}

QTEST_GUILESS_MAIN(TestSettingLine)
#include "test_setting_line.moc"
