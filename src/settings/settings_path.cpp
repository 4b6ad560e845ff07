#include "settings/settings_path.h"

#include "platform/paths.h"

namespace orvane {

std::optional<std::u16string> settingsFilePath(const std::optional<std::u16string>& programFolder) {
    if (!programFolder) {
        return std::nullopt;
    }
    return platform::childPath(*programFolder, kSettingsFileName);
}

std::u16string shownSettingsFilePath(const std::optional<std::u16string>& programFolder) {
    const std::optional<std::u16string> path = settingsFilePath(programFolder);
    return path ? platform::displayPath(*path) : std::u16string(kSettingsFileName);
}

}  // namespace orvane
