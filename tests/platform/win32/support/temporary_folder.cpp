#include "support/temporary_folder.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>

#include "platform/win32/windows_api.h"

namespace orvane::test {

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> made = 0;
    const auto base = std::filesystem::temp_directory_path();
    do {
        path_ = base / ("orvane-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                        std::to_string(made++));
    } while (!std::filesystem::create_directory(path_));
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only files too
    }
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TemporaryFolder::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace orvane::test
