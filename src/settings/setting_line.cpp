#include "settings/setting_line.h"

#include <algorithm>
#include <optional>

#include "platform/shared/code_page.h"
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

// False when the editor refuses the value, which leaves the field as it was.
bool applyNumber(EditorState& state, Setting setting, std::int16_t number) {
    switch (setting) {
        case Setting::HighAlarm:
            return state.setHighAlarm(number);
        case Setting::LowAlarm:
            return state.setLowAlarm(number);
        default:
            return state.setLanguageIndex(number);
    }
}

void applyText(EditorState& state, Setting setting, std::u16string_view text) {
    if (setting == Setting::JobDescription) {
        state.setJobDescription(text);
    } else {
        state.setSmsNumber(smsNumberOf(setting), text);
    }
}

// True when the value was applied as it stands.
bool applyValue(EditorState& state, Setting setting, std::u16string_view value, bool wholeLine) {
    if (isNumberSetting(setting)) {
        const std::optional<std::int16_t> number =
            wholeLine ? ToInt16(value) : std::optional<std::int16_t>();
        return number && applyNumber(state, setting, *number);
    }
    // A text from a file in another encoding may hold what this file's code page cannot.
    const std::u16string_view text = value.substr(0, value.find(u'\0'));
    if (text.empty() || !platform::codePageHolds(text)) {
        return false;
    }
    applyText(state, setting, text);
    return text.size() == value.size();
}

}  // namespace

std::u16string GetSettingValue(std::u16string_view line, std::u16string_view key) {
    if (line.size() < key.size() ||
        !std::equal(key.begin(), key.end(), line.begin(), sameIgnoringAsciiCase)) {
        return {};
    }
    return std::u16string(line.substr(key.size()));
}

std::optional<Setting> ApplySettingLine(EditorState& state, std::u16string_view line,
                                        bool wholeLine) {
    // A key stands at the start of the line, so a line holds the value of one key at most.
    for (const SettingKey& key : kSettingKeys) {
        const std::u16string value = GetSettingValue(line, key.key);
        if (!value.empty()) {
            return applyValue(state, key.setting, value, wholeLine) ? std::nullopt
                                                                    : std::optional(key.setting);
        }
    }
    return std::nullopt;
}

}  // namespace orvane
