#pragma once

#include <array>
#include <string_view>

namespace orvane {

// The seven values of SETTINGS.TXT, in the order they are written and looked for on a line.
enum class Setting {
    JobDescription,
    HighAlarm,
    LowAlarm,
    SmsNumber1,
    SmsNumber2,
    SmsNumber3,
    Language
};

struct SettingKey {
    Setting setting;
    std::u16string_view key;  // as written, with its "=": the line "KEY=value" holds the value
};

inline constexpr std::array<SettingKey, 7> kSettingKeys{{
    {Setting::JobDescription, u"JOB="},
    {Setting::HighAlarm, u"HIGH ALARM="},
    {Setting::LowAlarm, u"LOW ALARM="},
    {Setting::SmsNumber1, u"GSM1="},
    {Setting::SmsNumber2, u"GSM2="},
    {Setting::SmsNumber3, u"GSM3="},
    {Setting::Language, u"LANGUAGE="},
}};

constexpr bool isNumberSetting(Setting setting) {
    return setting == Setting::HighAlarm || setting == Setting::LowAlarm ||
           setting == Setting::Language;
}

// 1, 2 or 3 for the SMS numbers, as EditorState counts them.
constexpr int smsNumberOf(Setting setting) {
    return setting == Setting::SmsNumber1 ? 1 : setting == Setting::SmsNumber2 ? 2 : 3;
}

}  // namespace orvane
