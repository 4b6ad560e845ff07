// Makes a SETTINGS.TXT for timing the editor's start-up beside it:
//
//   make_settings_file typical|sparse|alternating|growing|fifo|device PATH
//
// typical: the seven lines a technician leaves (typical_settings.h); and the hostile ones. sparse:
// 10 GB, nearly all of it a hole of zero bytes; alternating: 100 MB of lines "LANGUAGE=1"
// and "LANGUAGE=2" in turn, each of which relabels the window; growing: a typical file to which
// 64 KiB more are added every millisecond until the program is killed (back to nothing at 1 GiB,
// to spare the disk); fifo: a named pipe no one writes to; device: the character device of
// /dev/zero, or a link to it where a device node cannot be made.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

#include "support/typical_settings.h"

namespace {

constexpr off_t kSparseBytes = 10'000'000'000;
constexpr off_t kAlternatingBytes = 100'000'000;
constexpr off_t kGrowingLimit = off_t{1} << 30;

bool writeAll(int file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(file, bytes.data(), bytes.size());
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string repeated(std::string_view lines, std::size_t bytes) {
    std::string piece;
    while (piece.size() + lines.size() <= bytes) {
        piece += lines;
    }
    return piece;
}

bool writeAlternating(int file) {
    const std::string piece = repeated("LANGUAGE=1\r\nLANGUAGE=2\r\n", 64 * 1024);
    for (off_t written = 0; written < kAlternatingBytes;
         written += static_cast<off_t>(piece.size())) {
        if (!writeAll(file, piece)) {
            return false;
        }
    }
    return true;
}

// Returns only when a write fails.
int keepGrowing(int file) {
    const std::string piece = repeated("JOB=still growing\r\n", 64 * 1024);
    for (off_t size = 0;; size += static_cast<off_t>(piece.size())) {
        // Written with O_APPEND, so after a truncation the next piece starts the file anew.
        if (size >= kGrowingLimit && ftruncate(file, 0) == 0) {
            size = 0;
        }
        if (!writeAll(file, piece)) {
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

int makeFile(std::string_view kind, const char* path) {
    const int file = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
    if (file < 0) {
        return 1;
    }
    if (kind == "growing") {
        return writeAll(file, orvane::bench::kTypicalSettings) ? keepGrowing(file) : 1;
    }
    const bool made = kind == "typical"  ? writeAll(file, orvane::bench::kTypicalSettings)
                      : kind == "sparse" ? ftruncate(file, kSparseBytes) == 0
                                         : writeAlternating(file);
    return close(file) == 0 && made ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view kind = argc == 3 ? argv[1] : "";
    const char* const path = argc == 3 ? argv[2] : nullptr;
    if (kind == "typical" || kind == "sparse" || kind == "alternating" || kind == "growing") {
        return makeFile(kind, path);
    }
    if (kind == "fifo") {
        return mkfifo(path, 0644) == 0 ? 0 : 1;
    }
    if (kind == "device") {
        return mknod(path, S_IFCHR | 0666, makedev(1, 5)) == 0 || symlink("/dev/zero", path) == 0
                   ? 0
                   : 1;
    }
    std::fprintf(stderr, "usage: %s typical|sparse|alternating|growing|fifo|device PATH\n",
                 argv[0]);
    return 2;
}
