#pragma once

#include <string>
#include <string_view>

#include "core/editor_state.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace orvane {

// SETTINGS.TXT in the program's folder: seven lines "KEY=value" in the settings file's code page.
inline constexpr std::u16string_view kSettingsFileName = u"SETTINGS.TXT";

inline std::u16string settingsFilePath(std::u16string_view programFolder) {
    return platform::childPath(programFolder, kSettingsFileName);
}

// Applies every line of SETTINGS.TXT in order. A missing or unreadable file, or anything that is
// not a regular file, leaves the state as it is; loading never fails.
void LoadSettings(EditorState& state, std::u16string_view programFolder);

// Applies every line of a settings file's bytes in order.
void ReadSettings(EditorState& state, platform::ByteReader& source);

struct EncodedSettings {
    std::string bytes;       // the whole file, when `problem` is empty
    std::u16string problem;  // why the settings cannot be written; empty when they can
};

// The seven lines of SETTINGS.TXT for the state, each ended by CR LF.
EncodedSettings EncodeSettings(const EditorState& state);

// Writes SETTINGS.TXT in one step: on any failure, including a text the file cannot hold, the
// previous file stays as it was and the reason is returned for the user.
platform::ReplaceResult SaveSettings(const EditorState& state, std::u16string_view programFolder);

}  // namespace orvane
