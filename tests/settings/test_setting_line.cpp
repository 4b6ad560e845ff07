// One line of the settings file: the value after its key at the line start, and a line applied
// to the editor only with a valid value of its key.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/setting_line.h"
#include "settings_checks.h"

namespace {

using orvane::ApplySettingLine;
using orvane::GetSettingValue;
using orvane::test::FakeEditorState;
using orvane::test::SettingValues;
using orvane::test::untouchedValues;
using orvane::test::untouchedValuesWith;

struct ValueRow {
    const char* name;
    std::u16string line;
    std::u16string key;
    std::u16string expected;
};

std::vector<ValueRow> valueRows() {
    std::vector<ValueRow> rows;
    rows.push_back({"upper case", u"JOB=Line 7", u"JOB=", u"Line 7"});
    rows.push_back({"lower case line", u"job=Line 7", u"JOB=", u"Line 7"});
    rows.push_back({"mixed case line", u"High Alarm=70", u"HIGH ALARM=", u"70"});
    rows.push_back({"lower case key", u"GSM2=0612", u"gsm2=", u"0612"});
    rows.push_back({"value keeps its case and blanks", u"JOB= a B ", u"JOB=", u" a B "});
    rows.push_back({"other key inside the value", u"JOB=call GSM1=now", u"JOB=", u"call GSM1=now"});
    rows.push_back({"key only inside the value", u"JOB=call GSM1=now", u"GSM1=", u""});
    rows.push_back({"key after other text", u"X JOB=abc", u"JOB=", u""});
    rows.push_back({"key after a space", u" JOB=abc", u"JOB=", u""});
    rows.push_back({"key without its equals sign", u"JOB abc", u"JOB=", u""});
    rows.push_back({"longer word", u"JOBS=abc", u"JOB=", u""});
    rows.push_back({"line shorter than key", u"JO", u"JOB=", u""});
    rows.push_back({"key alone", u"JOB=", u"JOB=", u""});
    rows.push_back({"empty line", u"", u"JOB=", u""});
    // Only ASCII letters fold: neither the dotless i nor the Kelvin sign stands for a key letter.
    rows.push_back({"dotless i", u"H\u0131GH ALARM=5", u"HIGH ALARM=", u""});
    rows.push_back({"Kelvin sign", u"\u212A=5", u"K=", u""});
    rows.push_back({"letters beyond ASCII compare as they are", u"\u00E9=1", u"\u00C9=", u""});
    return rows;
}

class KeyValue : public testing::TestWithParam<ValueRow> {};

TEST_P(KeyValue, getValueOfAKey_givesWhatFollowsItAtTheLineStart) {
    EXPECT_EQ(GetSettingValue(GetParam().line, GetParam().key), GetParam().expected)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyValue, testing::ValuesIn(valueRows()));

struct ApplyRow {
    const char* name;
    std::u16string line;
    bool wholeLine;
    SettingValues expected;
};

std::vector<ApplyRow> applyRows() {
    std::vector<ApplyRow> rows;
    const SettingValues untouched = untouchedValues();

    rows.push_back({"job", u"JOB=Line 7", true,
                    untouchedValuesWith([](SettingValues& v) { v.job = u"Line 7"; })});
    rows.push_back({"job, lower case key", u"job=Line 7", true,
                    untouchedValuesWith([](SettingValues& v) { v.job = u"Line 7"; })});
    rows.push_back({"job with another key inside", u"JOB=call GSM1=now", true,
                    untouchedValuesWith([](SettingValues& v) { v.job = u"call GSM1=now"; })});
    rows.push_back(
        {"job cut to its field", u"JOB=" + std::u16string(70, u'j'), true,
         untouchedValuesWith([](SettingValues& v) { v.job = std::u16string(64, u'j'); })});
    rows.push_back({"high alarm", u"HIGH ALARM=70", true,
                    untouchedValuesWith([](SettingValues& v) { v.highAlarm = 70; })});
    rows.push_back({"low alarm", u"low alarm=5", true,
                    untouchedValuesWith([](SettingValues& v) { v.lowAlarm = 5; })});
    rows.push_back({"sms 1", u"GSM1=+441234567", true,
                    untouchedValuesWith([](SettingValues& v) { v.sms[0] = u"+441234567"; })});
    rows.push_back({"sms 2", u"Gsm2=0612", true,
                    untouchedValuesWith([](SettingValues& v) { v.sms[1] = u"0612"; })});
    rows.push_back({"sms 3 cut to its field", u"GSM3=12345678901234567890", true,
                    untouchedValuesWith([](SettingValues& v) { v.sms[2] = u"1234567890123456"; })});
    rows.push_back({"language", u"LANGUAGE=2", true,
                    untouchedValuesWith([](SettingValues& v) { v.language = 2; })});
    rows.push_back({"no language", u"LANGUAGE=-1", true,
                    untouchedValuesWith([](SettingValues& v) { v.language = -1; })});

    rows.push_back({"blanks and plus sign", u"HIGH ALARM= \t+70 \t", true,
                    untouchedValuesWith([](SettingValues& v) { v.highAlarm = 70; })});
    rows.push_back({"rounded half to even, down", u"HIGH ALARM=40.5", true,
                    untouchedValuesWith([](SettingValues& v) { v.highAlarm = 40; })});
    rows.push_back({"text keeps its blanks", u"GSM1= 0612 ", true,
                    untouchedValuesWith([](SettingValues& v) { v.sms[0] = u" 0612 "; })});

    rows.push_back({"empty job", u"JOB=", true, untouched});
    rows.push_back({"empty sms", u"GSM2=", true, untouched});
    rows.push_back({"empty alarm", u"HIGH ALARM=", true, untouched});
    rows.push_back({"high alarm above its limit", u"HIGH ALARM=101", true, untouched});
    rows.push_back({"low alarm below its limit", u"LOW ALARM=-1", true, untouched});
    rows.push_back({"language above its limit", u"LANGUAGE=4", true, untouched});
    rows.push_back({"language below its limit", u"LANGUAGE=-2", true, untouched});
    rows.push_back({"not a number", u"HIGH ALARM=high", true, untouched});
    rows.push_back({"key not at line start", u"X JOB=abc", true, untouched});
    rows.push_back({"unknown key", u"PRESSURE=12", true, untouched});

    rows.push_back(
        {"cut line: text still applied", u"JOB=" + std::u16string(100, u'c'), false,
         untouchedValuesWith([](SettingValues& v) { v.job = std::u16string(64, u'c'); })});
    rows.push_back({"cut line: sms still applied", u"GSM1=0612", false,
                    untouchedValuesWith([](SettingValues& v) { v.sms[0] = u"0612"; })});
    rows.push_back({"cut line: alarm not read", u"HIGH ALARM=70", false, untouched});
    rows.push_back({"cut line: language not read", u"LANGUAGE=2", false, untouched});
    return rows;
}

class AppliedLine : public testing::TestWithParam<ApplyRow> {};

TEST_P(AppliedLine, applyLine_setsOnlyAValidValueOfItsKey) {
    FakeEditorState state(untouchedValues());
    ApplySettingLine(state, GetParam().line, GetParam().wholeLine);
    EXPECT_EQ(state.values(), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Rows, AppliedLine, testing::ValuesIn(applyRows()));

}  // namespace
