#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/shared/paths.h"

namespace orvane {

// SETTINGS.TXT in the program's folder: seven lines "KEY=value" in the settings file's code page.
inline constexpr std::u16string_view kSettingsFileName = u"SETTINGS.TXT";

// Nothing when the program's folder is not known: then there is no file to read or write.
inline std::optional<std::u16string> settingsFilePath(
    const std::optional<std::u16string>& programFolder) {
    if (!programFolder) {
        return std::nullopt;
    }
    return platform::childPath(*programFolder, kSettingsFileName);
}

// The file's path as the user is shown it, or its name alone when the folder is not known.
inline std::u16string shownSettingsFilePath(const std::optional<std::u16string>& programFolder) {
    const std::optional<std::u16string> path = settingsFilePath(programFolder);
    return path ? platform::displayPath(*path) : std::u16string(kSettingsFileName);
}

}  // namespace orvane
