#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "settings/line_reader.h"
#include "settings/setting_line.h"
#include "settings/settings_file.h"
#include "settings/settings_path.h"

namespace orvane {
namespace {

// Reads at most `limit` bytes of a file and keeps a digest of what it read. A file with more than
// that ends in a FileProblem::TooLarge error, so that neither a huge nor an endless file can hold
// up the editor, and the reader is told that it did not get the whole file.
class BoundedReader final : public platform::ByteReader {
  public:
    BoundedReader(platform::ByteReader& source, std::size_t limit)
        : source_(source), left_(limit) {}

    platform::ReadResult read(std::span<char> buffer) override {
        if (left_ == 0) {
            // At the limit: one more byte tells a file that ends here from one that goes on.
            std::array<char, 1> probe{};
            platform::ReadResult more = source_.read(probe);
            if (!more.error.failed() && more.size > 0) {
                more = {0, {platform::FileProblem::TooLarge, {}}};
            }
            return more;
        }
        platform::ReadResult result = source_.read(buffer.first(std::min(buffer.size(), left_)));
        for (const char byte : buffer.first(result.size)) {
            digest_ = (digest_ ^ static_cast<unsigned char>(byte)) * 1099511628211ULL;
        }
        left_ -= result.size;
        return result;
    }

    // FNV-1a of the bytes read so far: enough to notice that a file has changed.
    std::uint64_t digest() const { return digest_; }

  private:
    platform::ByteReader& source_;
    std::size_t left_;
    std::uint64_t digest_ = 14695981039346656037ULL;
};

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
