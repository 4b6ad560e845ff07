#include <algorithm>
#include <array>

#include "platform/text_file.h"
#include "platform/win32/path_parts.h"
#include "platform/win32/system_message.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform {
namespace {

using win32::toWide;

class FileReader final : public ByteReader {
  public:
    explicit FileReader(HANDLE file) : file_(file) {}
    ~FileReader() override { CloseHandle(file_); }
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    ReadResult read(std::span<char> buffer) override {
        constexpr std::size_t kMostAtOnce = 1 << 20;
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(std::min(buffer.size(), kMostAtOnce));
        if (!ReadFile(file_, buffer.data(), wanted, &got, nullptr)) {
            return {0, describedError(win32::systemMessage(GetLastError()))};
        }
        return {got, {}};
    }

  private:
    HANDLE file_;
};

// A file that is deleted when it goes out of scope, unless it was kept.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!kept_) {
            DeleteFileW(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const wchar_t* path() const { return path_.c_str(); }
    void keep() { kept_ = true; }

  private:
    std::wstring path_;
    bool kept_ = false;
};

// A new, empty file with a unique name in `folder`; the system's error code when none was made.
DWORD createUniqueFile(const std::wstring& folder, std::wstring& path) {
    std::array<wchar_t, MAX_PATH> name{};
    if (GetTempFileNameW(folder.c_str(), L"ors", 0, name.data()) == 0) {
        return GetLastError();
    }
    path = name.data();
    return ERROR_SUCCESS;
}

DWORD writeAndFlush(const wchar_t* path, std::string_view bytes) {
    const HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError();
    }
    DWORD error = ERROR_SUCCESS;
    while (!bytes.empty() && error == ERROR_SUCCESS) {
        constexpr std::size_t kMostAtOnce = 1 << 20;
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kMostAtOnce));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) {
            error = GetLastError();
        } else if (written == 0) {
            error = ERROR_WRITE_FAULT;
        }
        bytes.remove_prefix(written);
    }
    if (error == ERROR_SUCCESS && !FlushFileBuffers(file)) {
        error = GetLastError();
    }
    if (!CloseHandle(file) && error == ERROR_SUCCESS) {
        error = GetLastError();
    }
    return error;
}

// ReplaceFileW keeps the old file's attributes and security. Without a backup name it may leave
// neither file in place when the last step fails, so the old file is first moved aside and moved
// back if the new one could not take its place.
DWORD replaceExisting(const std::wstring& folder, const std::wstring& target,
                      const wchar_t* replacement) {
    std::wstring backupPath;
    if (const DWORD error = createUniqueFile(folder, backupPath); error != ERROR_SUCCESS) {
        return error;
    }
    TemporaryFile backup(backupPath);
    DeleteFileW(backup.path());  // only its unique name is wanted
    if (ReplaceFileW(target.c_str(), replacement, backup.path(), 0, nullptr, nullptr)) {
        return ERROR_SUCCESS;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
        !MoveFileExW(backup.path(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        backup.keep();  // the old contents live on under the backup name rather than not at all
    }
    return error;
}

DWORD putInPlace(const std::wstring& folder, const std::wstring& target,
                 const wchar_t* replacement) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool existingFile =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (existingFile) {
        return replaceExisting(folder, target, replacement);
    }
    // Nothing to keep; a folder of that name makes the move fail and stays as it is.
    if (!MoveFileExW(replacement, target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return GetLastError();
    }
    return ERROR_SUCCESS;
}

FileError failure(DWORD error) {
    return describedError(win32::systemMessage(error));
}

}  // namespace

OpenedFile openRegularFile(std::u16string_view path) {
    const std::wstring name = toWide(path);
    OpenedFile opened;
    opened.exists = GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!opened.exists) {
        return opened;
    }
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open at all.
    const HANDLE file = CreateFileW(
        name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(name.c_str());
        opened.error =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                ? FileError{FileProblem::NotRegularFile, {}}
                : failure(error);
        return opened;
    }
    auto reader = std::make_unique<FileReader>(file);
    // Devices (NUL, CON, COM1...) and pipes are no disk files: reading them could block or never
    // end.
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &information) ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        opened.error = {FileProblem::NotRegularFile, {}};
        return opened;
    }
    opened.size = (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
    opened.reader = std::move(reader);
    return opened;
}

FileError replaceFile(std::u16string_view path, std::string_view bytes) {
    const std::wstring target = toWide(path);
    std::wstring folder = toWide(win32::parentFolder(path));
    if (folder.empty()) {
        folder = L".";
    }
    std::wstring temporaryPath;
    if (const DWORD error = createUniqueFile(folder, temporaryPath); error != ERROR_SUCCESS) {
        return failure(error);
    }
    TemporaryFile temporary(temporaryPath);
    if (const DWORD error = writeAndFlush(temporary.path(), bytes); error != ERROR_SUCCESS) {
        return failure(error);
    }
    if (const DWORD error = putInPlace(folder, target, temporary.path()); error != ERROR_SUCCESS) {
        return failure(error);
    }
    temporary.keep();
    return {};
}

}  // namespace orvane::platform
