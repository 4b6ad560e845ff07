#include "support/scratch_folder.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

#ifdef _WIN32
#include <array>
#include <functional>

#include "platform/shared/utf8.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"
#else
#include <unistd.h>

#include <fstream>
#endif

namespace orvane::test {
namespace {

std::filesystem::path newFolder() {
    static std::atomic<int> made = 0;
#ifdef _WIN32
    const auto process = std::to_string(GetCurrentProcessId());
#else
    const auto process = std::to_string(getpid());
#endif
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::filesystem::path path;
    do {
        path = base / ("orvane-test-" + process + "-" + std::to_string(made++));
    } while (!std::filesystem::create_directory(path));
    return path;
}

#ifdef _WIN32
// A full path as the file functions take it beyond MAX_PATH: with the "\\?\" prefix.
std::wstring longForm(const std::filesystem::path& path) {
    std::wstring name = path.wstring();
    std::replace(name.begin(), name.end(), L'/', L'\\');
    return name.starts_with(L"\\\\?\\") ? name : L"\\\\?\\" + name;
}

// Calls `visit` with every entry of `folder` but "." and "..".
void forEachEntry(const std::wstring& folder,
                  const std::function<void(const WIN32_FIND_DATAW&)>& visit) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring_view name(found.cFileName);
        if (name != L"." && name != L"..") {
            visit(found);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void removeTree(const std::wstring& folder) {
    forEachEntry(folder, [&folder](const WIN32_FIND_DATAW& found) {
        const std::wstring path = folder + L"\\" + found.cFileName;
        const DWORD attributes = found.dwFileAttributes;
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            if (!RemoveDirectoryW(path.c_str())) {
                DeleteFileW(path.c_str());
            }
            return;
        }
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // read-only entries too
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            removeTree(path);
        } else {
            DeleteFileW(path.c_str());
        }
    });
    RemoveDirectoryW(folder.c_str());
}
#endif

}  // namespace

ScratchFolder::ScratchFolder() : path_(newFolder()) {}

ScratchFolder::~ScratchFolder() {
#ifdef _WIN32
    removeTree(longForm(path_));
#else
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
#endif
}

std::vector<std::string> ScratchFolder::entries() const {
    return entriesOf(path_);
}

#ifdef _WIN32
std::vector<std::string> entriesOf(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    forEachEntry(longForm(folder), [&names](const WIN32_FIND_DATAW& found) {
        names.push_back(platform::encodeUtf8(platform::win32::fromWide(found.cFileName)));
    });
    std::sort(names.begin(), names.end());
    return names;
}

void makeFolders(const std::filesystem::path& folder) {
    std::filesystem::path made;
    for (const auto& part : folder) {
        made /= part;
        CreateDirectoryW(longForm(made).c_str(), nullptr);
    }
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    const HANDLE handle = CreateFileW(longForm(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool wrote =
        handle != INVALID_HANDLE_VALUE &&
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
    }
    if (!wrote) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string readFile(const std::filesystem::path& path) {
    const HANDLE handle = CreateFileW(longForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes;
    std::array<char, 4096> buffer{};
    DWORD got = 0;
    while (ReadFile(handle, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) &&
           got > 0) {
        bytes.append(buffer.data(), got);
    }
    CloseHandle(handle);
    return bytes;
}
#else
std::vector<std::string> entriesOf(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void makeFolders(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
#endif

}  // namespace orvane::test
