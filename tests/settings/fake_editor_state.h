#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/editor_state.h"

namespace orvane::test {

struct SettingValues {
    std::u16string job;
    std::int16_t highAlarm = 0;
    std::int16_t lowAlarm = 0;
    std::array<std::u16string, 3> sms;
    std::int16_t language = -1;

    bool operator==(const SettingValues&) const = default;
};

// The editor's values without a window: the window's limits and field lengths, none of its rules.
class FakeEditorState final : public EditorState {
  public:
    static constexpr std::size_t kJobLength = 64;
    static constexpr std::size_t kSmsLength = 16;
    static constexpr std::int16_t kAlarmMin = 0;
    static constexpr std::int16_t kAlarmMax = 100;
    static constexpr std::int16_t kLanguageMin = -1;
    static constexpr std::int16_t kLanguageMax = 3;

    FakeEditorState() = default;
    // Goes through the setters, so the values are cut and limited as the editor would.
    explicit FakeEditorState(const SettingValues& values) {
        setJobDescription(values.job);
        setHighAlarm(values.highAlarm);
        setLowAlarm(values.lowAlarm);
        for (int number = 1; number <= 3; ++number) {
            setSmsNumber(number, values.sms.at(static_cast<std::size_t>(number - 1)));
        }
        setLanguageIndex(values.language);
    }

    const SettingValues& values() const { return values_; }

    bool withinLimits() const {
        const auto inRange = [](std::int16_t value, std::int16_t min, std::int16_t max) {
            return value >= min && value <= max;
        };
        bool ok = values_.job.size() <= kJobLength &&
                  inRange(values_.highAlarm, kAlarmMin, kAlarmMax) &&
                  inRange(values_.lowAlarm, kAlarmMin, kAlarmMax) &&
                  inRange(values_.language, kLanguageMin, kLanguageMax);
        for (const std::u16string& sms : values_.sms) {
            ok = ok && sms.size() <= kSmsLength;
        }
        return ok;
    }

    std::u16string jobDescription() const override { return values_.job; }
    void setJobDescription(std::u16string_view text) override {
        values_.job = text.substr(0, kJobLength);
    }

    std::int16_t highAlarm() const override { return values_.highAlarm; }
    bool setHighAlarm(std::int16_t value) override {
        return setLimited(values_.highAlarm, value, kAlarmMin, kAlarmMax);
    }
    std::int16_t lowAlarm() const override { return values_.lowAlarm; }
    bool setLowAlarm(std::int16_t value) override {
        return setLimited(values_.lowAlarm, value, kAlarmMin, kAlarmMax);
    }

    std::u16string smsNumber(int number) const override { return sms(number); }
    void setSmsNumber(int number, std::u16string_view text) override {
        sms(number) = text.substr(0, kSmsLength);
    }

    std::int16_t languageIndex() const override { return values_.language; }
    bool setLanguageIndex(std::int16_t index) override {
        return setLimited(values_.language, index, kLanguageMin, kLanguageMax);
    }

  private:
    static bool setLimited(std::int16_t& field, std::int16_t value, std::int16_t min,
                           std::int16_t max) {
        if (value < min || value > max) {
            return false;
        }
        field = value;
        return true;
    }

    std::u16string& sms(int number) { return values_.sms.at(static_cast<std::size_t>(number - 1)); }
    const std::u16string& sms(int number) const {
        return values_.sms.at(static_cast<std::size_t>(number - 1));
    }

    SettingValues values_;
};

// Values that no test file sets by chance, to tell "left alone" from "set".
inline SettingValues untouchedValues() {
    return {u"untouched job", 50, 10, {u"111", u"222", u"333"}, 0};
}

template <class Change>
SettingValues untouchedValuesWith(Change change) {
    SettingValues values = untouchedValues();
    change(values);
    return values;
}

// What loading a file saved from `saved` into a state holding `before` gives: empty texts are
// not applied, so those fields keep what they had.
inline SettingValues valuesAfterLoading(const SettingValues& saved, const SettingValues& before) {
    SettingValues expected = saved;
    if (saved.job.empty()) {
        expected.job = before.job;
    }
    for (std::size_t i = 0; i < expected.sms.size(); ++i) {
        if (saved.sms[i].empty()) {
            expected.sms[i] = before.sms[i];
        }
    }
    return expected;
}

}  // namespace orvane::test
