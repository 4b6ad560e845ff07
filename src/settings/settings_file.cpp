#include "settings/settings_file.h"

namespace orvane {

// Reading SETTINGS.TXT arrives with the settings file reader.
void LoadSettings(EditorState& /*state*/, std::u16string_view /*programFolder*/) {}

}  // namespace orvane
