#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor_state.h"
#include "platform/file_access.h"
#include "settings/setting_keys.h"

namespace orvane {

// The most of SETTINGS.TXT that is read: thousands of times a whole settings file, yet little
// enough to read and apply at once, so that the window comes quickly whatever the file holds.
inline constexpr std::size_t kSettingsReadLimit = std::size_t{256} * 1024;

// What the file holds that the window does not show as the file holds it, so that a save does not
// replace it without a word.
struct ValuesNotApplied {
    std::vector<Setting> settings;  // skipped or cut at a NUL, each once, in the order of the keys
    bool unreadableText = false;    // the text is in a form the editor does not read (UTF-32)

    bool any() const { return unreadableText || !settings.empty(); }
    bool operator==(const ValuesNotApplied&) const = default;
};

// What was found at SETTINGS.TXT, so that a change by another program can be noticed later.
struct SettingsFileSnapshot {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t digest = 0;                    // of the bytes read, at most kSettingsReadLimit
    bool readWhole = false;                      // the digest covers every byte of the file
    std::optional<platform::FileStatus> status;  // what the system said of the file
};

// Whether the file found `now` may hold other bytes than the `loaded` one. A file read whole is
// judged by its bytes, so one that was only touched has not changed; of any other (too large, or
// unreadable) only what the system says is known, and any change of that counts.
bool mayHaveChanged(const SettingsFileSnapshot& loaded, const SettingsFileSnapshot& now);

struct LoadReport {
    SettingsFileSnapshot file;
    // Why the file was not read whole; no problem when it was, or when there is none.
    platform::FileError error;
    ValuesNotApplied notApplied{};
};

// Applies every line of SETTINGS.TXT in order. A file that cannot be read whole (a read error, a
// file larger than kSettingsReadLimit, an entry that is no regular file) is applied up to the
// last whole line read, and the report says why the rest was not. Without the program's folder,
// or when it cannot be opened, the report says so too.
LoadReport LoadSettings(EditorState& state, const std::optional<std::u16string>& programFolder);

// Applies every whole line of a settings file's bytes in order; the error of a read that failed.
// `notApplied` tells of the values that were not applied as they stand.
platform::FileError ReadSettings(EditorState& state, platform::ByteReader& source,
                                 ValuesNotApplied& notApplied);

// SETTINGS.TXT as it is now, found the way LoadSettings finds it.
SettingsFileSnapshot SnapshotSettingsFile(const std::optional<std::u16string>& programFolder);

struct EncodedSettings {
    std::string bytes;            // the whole file, when there is no problem
    platform::FileError problem;  // why the settings cannot be written
};

// The seven lines of SETTINGS.TXT for the state, each ended by CR LF.
EncodedSettings EncodeSettings(const EditorState& state);

// Writes SETTINGS.TXT in one step: on any failure, including a text the file cannot hold, the
// previous file stays as it was and the error says why.
platform::FileError SaveSettings(const EditorState& state,
                                 const std::optional<std::u16string>& programFolder);

}  // namespace orvane
