#include <array>
#include <optional>

#include "settings/bounded_reader.h"
#include "settings/line_reader.h"
#include "settings/setting_line.h"
#include "settings/settings_file.h"
#include "settings/settings_path.h"

namespace orvane {
namespace {

// Opens the file and hands it to `read` through a BoundedReader; what was found there. `error`
// says why the file was not read whole.
template <typename Read>
SettingsFileSnapshot readBounded(const std::u16string& path, platform::FileError& error,
                                 Read read) {
    const platform::OpenedFile file = platform::openRegularFile(path);
    SettingsFileSnapshot snapshot{file.exists, file.size, 0, false, file.status};
    if (!file.reader) {
        error = file.error;
        return snapshot;
    }
    BoundedReader bounded(*file.reader, kSettingsReadLimit);
    error = read(bounded);
    snapshot.digest = bounded.digest();
    snapshot.readWhole = !error.failed();
    return snapshot;
}

platform::FileError readToTheEnd(platform::ByteReader& reader) {
    std::array<char, 4096> buffer{};
    while (true) {
        const platform::ReadResult result = reader.read(buffer);
        if (result.size == 0 || result.error.failed()) {
            return result.error;
        }
    }
}

}  // namespace

platform::FileError ReadSettings(EditorState& state, platform::ByteReader& source,
                                 ValuesNotApplied& notApplied) {
    std::array<bool, kSettingKeys.size()> skipped{};  // by Setting, which counts the keys in order
    LineReader lines(source);
    while (const std::optional<TextLine> line = lines.next()) {
        if (const std::optional<Setting> setting =
                ApplySettingLine(state, line->text, !line->cut)) {
            skipped.at(static_cast<std::size_t>(*setting)) = true;
        }
    }
    for (const SettingKey& key : kSettingKeys) {
        if (skipped.at(static_cast<std::size_t>(key.setting))) {
            notApplied.settings.push_back(key.setting);
        }
    }
    if (lines.encoding() == TextEncoding::Utf32) {
        notApplied.unreadableText = true;
        // Read on all the same: a later change is noticed against what was read here.
        return readToTheEnd(source);
    }
    return lines.error();
}

LoadReport LoadSettings(EditorState& state, const std::optional<std::u16string>& programFolder) {
    const std::optional<std::u16string> path = settingsFilePath(programFolder);
    if (!path) {
        return {{}, {platform::FileProblem::NoProgramFolder, {}}};
    }
    LoadReport report;
    report.file = readBounded(*path, report.error, [&state, &report](platform::ByteReader& reader) {
        return ReadSettings(state, reader, report.notApplied);
    });
    return report;
}

SettingsFileSnapshot SnapshotSettingsFile(const std::optional<std::u16string>& programFolder) {
    const std::optional<std::u16string> path = settingsFilePath(programFolder);
    if (!path) {
        return {};
    }
    platform::FileError ignored;
    return readBounded(*path, ignored, readToTheEnd);
}

bool mayHaveChanged(const SettingsFileSnapshot& loaded, const SettingsFileSnapshot& now) {
    if (loaded.exists != now.exists) {
        return true;
    }
    if (!loaded.exists) {
        return false;
    }
    if (loaded.readWhole) {
        return !now.readWhole || now.size != loaded.size || now.digest != loaded.digest;
    }
    return now.status != loaded.status;
}

}  // namespace orvane
