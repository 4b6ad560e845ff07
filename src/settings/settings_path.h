#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// SETTINGS.TXT in the program's folder: seven lines "KEY=value" in the settings file's code page.
inline constexpr std::u16string_view kSettingsFileName = u"SETTINGS.TXT";

// Nothing when the program's folder is not known: then there is no file to read or write.
std::optional<std::u16string> settingsFilePath(const std::optional<std::u16string>& programFolder);

// The file's path as the user is shown it, or its name alone when the folder is not known.
std::u16string shownSettingsFilePath(const std::optional<std::u16string>& programFolder);

}  // namespace orvane
