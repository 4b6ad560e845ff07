#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/shared/code_page.h"
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
        // Named by its key, without the "=".
        std::u16string name(key.key.substr(0, key.key.size() - 1));
        // A line break inside a text would split its line and could even pose as another key.
        if (value.find_first_of(u"\r\n") != std::u16string::npos) {
            return {{}, {platform::FileProblem::LineBreakInValue, std::move(name)}};
        }
        const std::optional<std::string> line =
            platform::encodeCodePage(std::u16string(key.key) + value);
        if (!line) {
            return {{}, {platform::FileProblem::CharacterNotInCodePage, std::move(name)}};
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
    if (file.problem.failed()) {
        return file.problem;
    }
    return platform::replaceFile(*path, file.bytes);
}

}  // namespace orvane
