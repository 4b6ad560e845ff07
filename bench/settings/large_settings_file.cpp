// Loading a hostile SETTINGS.TXT, one line of 100 MB, into the real window: how long it takes and
// how far it raises the memory peak, beside reading the same bytes without looking at them.
// Prints JSON. Its own process, so that the memory peak is its own.

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/text_file.h"
#include "settings/settings_file.h"
#include "support/editor_session.h"
#include "support/process_clock.h"

namespace {

using orvane::bench::monotonicNanoseconds;
using orvane::bench::peakResidentKiB;

constexpr qint64 kLineBytes = 100'000'000;
constexpr int kRuns = 5;

// "JOB=" and one line of kLineBytes letters, then a short line, written piece by piece so that
// making the file does not raise the memory peak itself.
bool writeLongLineFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("JOB=") != 4) {
        return false;
    }
    const QByteArray piece(64 * 1024, 'x');
    for (qint64 written = 0; written < kLineBytes; written += piece.size()) {
        if (file.write(piece) != piece.size()) {
            return false;
        }
    }
    return file.write("\r\nHIGH ALARM=77\r\n") == 17;
}

template <typename Work>
double medianMs(Work work) {
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        const std::int64_t start = monotonicNanoseconds();
        work();
        ms.push_back(static_cast<double>(monotonicNanoseconds() - start) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const auto application = orvane::bench::startApplication(argc, argv);
    orvane::bench::EditorSession editor({});
    const QString path = editor.path(QStringLiteral("SETTINGS.TXT"));
    if (!writeLongLineFile(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    const std::u16string file = path.toStdU16String();

    const long beforeRead = peakResidentKiB();
    const double readMs = medianMs([&file] {
        std::vector<char> chunk(64 * 1024);
        const auto opened = orvane::platform::openRegularFile(file);
        while (opened.reader->read(chunk).size > 0) {
        }
    });
    const long beforeLoad = peakResidentKiB();
    const double loadMs =
        medianMs([&editor] { orvane::LoadSettings(editor.form(), editor.folder()); });
    const long afterLoad = peakResidentKiB();

    if (editor.form().highAlarm() != 77 || editor.form().jobDescription().size() != 64) {
        std::fprintf(stderr, "the file was not applied\n");
        return 1;
    }
    std::printf(R"({"file_bytes": %lld, "runs": %d, "load_ms": %.1f, "read_ms": %.1f, )"
                R"("load_growth_kib": %ld, "read_growth_kib": %ld, "peak_before_kib": %ld})"
                "\n",
                static_cast<long long>(QFileInfo(path).size()), kRuns, loadMs, readMs,
                afterLoad - beforeLoad, beforeLoad - beforeRead, beforeRead);
    QFile::remove(path);
    return 0;
}
