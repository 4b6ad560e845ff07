// Reading and writing SETTINGS.TXT on the real window, in process.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <string>

#include "platform/text_file.h"
#include "settings/settings_file.h"
#include "support/editor_session.h"
#include "support/typical_settings.h"

namespace {

using orvane::bench::EditorSession;
using orvane::bench::kOtherTypicalSettings;
using orvane::bench::kTypicalSettings;

const QString kFileName = QStringLiteral("SETTINGS.TXT");

// Loads the two typical files in turn, so that every load changes every control of the window.
void LoadSettings_TypicalFile(benchmark::State& state) {
    EditorSession editor(kTypicalSettings);
    QTemporaryDir other;
    orvane::bench::writeFile(other.filePath(kFileName), kOtherTypicalSettings);
    const std::array<std::u16string, 2> folders = {other.path().toStdU16String(), editor.folder()};
    std::size_t turn = 0;
    for (auto _ : state) {
        orvane::LoadSettings(editor.form(), folders[turn]);
        turn ^= 1;
    }
    if (editor.form().highAlarm() != (turn == 0 ? 80 : 65)) {
        state.SkipWithError("the settings were not applied");
    }
}
BENCHMARK(LoadSettings_TypicalFile)->Unit(benchmark::kMicrosecond);

// Baseline: opening the same file and reading its bytes, as loading does, without applying them.
void ReadBytes_TypicalFile(benchmark::State& state) {
    QTemporaryDir folder;
    orvane::bench::writeFile(folder.filePath(kFileName), kTypicalSettings);
    const std::u16string path = folder.filePath(kFileName).toStdU16String();
    std::vector<char> chunk(64 * 1024);
    for (auto _ : state) {
        const auto opened = orvane::platform::openRegularFile(path);
        while (opened.reader->read(chunk).size > 0) {
        }
    }
}
BENCHMARK(ReadBytes_TypicalFile)->Unit(benchmark::kMicrosecond);

// The whole save: encoding, a new file beside the old one with the old one's owner and mode,
// flushed to disk (fsync), put in place of the old one, and the folder flushed (fsync).
void SaveSettings_WithSync(benchmark::State& state) {
    EditorSession editor(kTypicalSettings);
    for (auto _ : state) {
        if (orvane::SaveSettings(editor.form(), editor.folder()).failed()) {
            state.SkipWithError("the save failed");
            break;
        }
    }
}
BENCHMARK(SaveSettings_WithSync)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The bytes written the way the save writes them: to a new file beside the old one, renamed over
// it; with `sync`, the file flushed to disk before the rename and the folder after it, as the save
// does.
bool replaceFile(const std::string& path, const std::string& bytes, bool sync) {
    const std::string temporary = path + ".new";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool written =
        write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    const bool synced = !sync || fsync(fd) == 0;
    if (close(fd) != 0 || !written || !synced || rename(temporary.c_str(), path.c_str()) != 0) {
        return false;
    }
    if (!sync) {
        return true;
    }
    const int folder = open(path.substr(0, path.rfind('/')).c_str(), O_RDONLY | O_DIRECTORY);
    const bool folderSynced = folder >= 0 && fsync(folder) == 0;
    return folder >= 0 && close(folder) == 0 && folderSynced;
}

// The save without the flushes to disk: the save always syncs, so the same steps (encoding, a new
// file, renamed over the old one) are taken here without them.
void SaveSettings_WithoutSync(benchmark::State& state) {
    EditorSession editor(kTypicalSettings);
    const std::string path = editor.path(kFileName).toStdString();
    for (auto _ : state) {
        const orvane::EncodedSettings file = orvane::EncodeSettings(editor.form());
        if (!replaceFile(path, file.bytes, false)) {
            state.SkipWithError("the save failed");
            break;
        }
    }
}
BENCHMARK(SaveSettings_WithoutSync)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Baselines: the same bytes, already encoded, written to a new file and renamed, with and
// without the flushes.
void WriteBytes(benchmark::State& state, bool sync) {
    EditorSession editor(kTypicalSettings);
    const std::string path = editor.path(kFileName).toStdString();
    const std::string bytes = orvane::EncodeSettings(editor.form()).bytes;
    for (auto _ : state) {
        if (!replaceFile(path, bytes, sync)) {
            state.SkipWithError("the write failed");
            break;
        }
    }
}
BENCHMARK_CAPTURE(WriteBytes, WithSync, true)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK_CAPTURE(WriteBytes, WithoutSync, false)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return orvane::bench::runBenchmarks(argc, argv);
}
