#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/code_page.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"
#include "settings/settings_path.h"

namespace orvane {
namespace {

std::u16string decimal(std::int16_t number) {
    std::array<char, 8> digits{};
    const char* const end = std::to_chars(digits.begin(), digits.end(), number).ptr;
    return {digits.cbegin(), end};
}

std::u16string valueText(const EditorState& state, Setting setting) {
    switch (setting) {
        case Setting::JobDescription:
            return state.jobDescription();
        case Setting::HighAlarm:
            return decimal(state.highAlarm());
        case Setting::LowAlarm:
            return decimal(state.lowAlarm());
        case Setting::Language:
            return decimal(state.languageIndex());
        default:
            return state.smsNumber(smsNumberOf(setting));
    }
}

}  // namespace

EncodedSettings EncodeSettings(const EditorState& state) {
    EncodedSettings file;
    for (const SettingKey& key : kSettingKeys) {
        const std::u16string value = valueText(state, key.setting);
        // A line break inside a text would split its line and could even pose as another key.
        if (value.find_first_of(u"\r\n") != std::u16string::npos) {
            return {{},
                    u"The " + std::u16string(key.name) +
                        u" contains a line break, which cannot be written to SETTINGS.TXT."};
        }
        const std::optional<std::string> line =
            platform::encodeCodePage(std::u16string(key.key) + value);
        if (!line) {
            return {{},
                    u"The " + std::u16string(key.name) +
                        u" contains a character that cannot be written to SETTINGS.TXT."};
        }
        file.bytes += *line;
        file.bytes += "\r\n";
    }
    return file;
}

platform::FileError SaveSettings(const EditorState& state,
                                 const std::optional<std::u16string>& programFolder) {
    const std::optional<std::u16string> path = settingsFilePath(programFolder);
    if (!path) {
        return {platform::FileProblem::NoProgramFolder, {}};
    }
    const EncodedSettings file = EncodeSettings(state);
    if (!file.problem.empty()) {
        return platform::describedError(file.problem);
    }
    return platform::replaceFile(*path, file.bytes);
}

}  // namespace orvane
