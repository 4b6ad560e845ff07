#include <memory>
#include <optional>

#include "settings/line_reader.h"
#include "settings/setting_line.h"
#include "settings/settings_file.h"

namespace orvane {

void ReadSettings(EditorState& state, platform::ByteReader& source) {
    LineReader lines(source);
    while (const std::optional<TextLine> line = lines.next()) {
        ApplySettingLine(state, line->text, !line->cut);
    }
}

void LoadSettings(EditorState& state, std::u16string_view programFolder) {
    const std::unique_ptr<platform::ByteReader> file =
        platform::openRegularFile(settingsFilePath(programFolder));
    if (file) {
        ReadSettings(state, *file);
    }
}

}  // namespace orvane
