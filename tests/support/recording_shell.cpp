// The recording shell's folder test, on the file system where no test pretends.

#include <filesystem>

#include "support/fake_desktop.h"

namespace orvane::test {

bool RecordingShell::isDirectory(std::u16string_view path) {
    if (directories) {
        return directories->count(std::u16string(path)) != 0;
    }
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::path(std::u16string(path)), error);
}

}  // namespace orvane::test
