#include "settings/setting_line.h"

#include <algorithm>
#include <optional>

#include "platform/code_page.h"
#include "settings/number.h"
#include "settings/setting_keys.h"

namespace orvane {
namespace {

char16_t foldAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool sameIgnoringAsciiCase(char16_t a, char16_t b) {
    return foldAscii(a) == foldAscii(b);
}

void applyNumber(EditorState& state, Setting setting, std::int16_t number) {
    // A refused value leaves the field as it was, which is all a skipped value needs.
    switch (setting) {
        case Setting::HighAlarm:
            state.setHighAlarm(number);
            break;
        case Setting::LowAlarm:
            state.setLowAlarm(number);
            break;
        case Setting::Language:
            state.setLanguageIndex(number);
            break;
        default:
            break;
    }
}

void applyText(EditorState& state, Setting setting, std::u16string_view text) {
    if (setting == Setting::JobDescription) {
        state.setJobDescription(text);
    } else {
        state.setSmsNumber(smsNumberOf(setting), text);
    }
}

}  // namespace

std::u16string GetSettingValue(std::u16string_view line, std::u16string_view key) {
    if (line.size() < key.size() ||
        !std::equal(key.begin(), key.end(), line.begin(), sameIgnoringAsciiCase)) {
        return {};
    }
    return std::u16string(line.substr(key.size()));
}

void ApplySettingLine(EditorState& state, std::u16string_view line, bool wholeLine) {
    for (const SettingKey& key : kSettingKeys) {
        const std::u16string value = GetSettingValue(line, key.key);
        if (value.empty()) {
            continue;
        }
        if (!isNumberSetting(key.setting)) {
            // A text from a file in another encoding may hold what this file's code page cannot.
            if (platform::codePageHolds(value)) {
                applyText(state, key.setting, value);
            }
        } else if (wholeLine) {
            if (const std::optional<std::int16_t> number = ToInt16(value)) {
                applyNumber(state, key.setting, *number);
            }
        }
    }
}

}  // namespace orvane
