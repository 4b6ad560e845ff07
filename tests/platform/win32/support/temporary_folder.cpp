#include "support/temporary_folder.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <functional>

#include "platform/utf8.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace orvane::test {
namespace {

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

}  // namespace

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> made = 0;
    const auto base = std::filesystem::temp_directory_path();
    do {
        path_ = base / ("orvane-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                        std::to_string(made++));
    } while (!std::filesystem::create_directory(path_));
}

TemporaryFolder::~TemporaryFolder() {
    removeTree(longForm(path_));
}

std::vector<std::string> TemporaryFolder::entries() const {
    return entriesOf(path_);
}

std::wstring longForm(const std::filesystem::path& path) {
    std::wstring name = path.wstring();
    std::replace(name.begin(), name.end(), L'/', L'\\');
    return name.starts_with(L"\\\\?\\") ? name : L"\\\\?\\" + name;
}

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

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    const HANDLE handle = CreateFileW(longForm(file).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(handle);
}

std::string readBytes(const std::filesystem::path& file) {
    const HANDLE handle = CreateFileW(longForm(file).c_str(), GENERIC_READ, FILE_SHARE_READ,
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

}  // namespace orvane::test
