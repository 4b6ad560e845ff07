// Saving SETTINGS.TXT on Windows: a new file beside the old one, flushed to the disk, then put in
// the old one's place with ReplaceFileW (or moved into an empty place), and flushed there again.

#include <algorithm>
#include <string>

#include "platform/file_access.h"
#include "platform/shared/replace_rules.h"
#include "platform/win32/long_path.h"
#include "platform/win32/system_calls.h"
#include "platform/win32/system_error.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform {
namespace {

using win32::systemCalls;

// A file just made, or why it could not be.
struct CreatedFile {
    std::wstring path;
    HANDLE handle = INVALID_HANDLE_VALUE;  // open for writing, shared with no one
    DWORD error = ERROR_SUCCESS;           // why no file was made
};

// A new, empty file in the same folder as `target`, under a short name of its own
// (replace_rules.h). CREATE_NEW never opens an entry that exists, so nothing of another program's
// is ever taken over. `target` is a full path, as longPath() makes it.
CreatedFile createFileBeside(const std::wstring& target) {
    // Enough tries to get past the leftovers of earlier runs, few enough to end soon when the
    // folder refuses every name for another reason.
    constexpr int kTries = 100;
    const std::wstring folder = target.substr(0, target.find_last_of(L'\\') + 1);
    CreatedFile file;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const std::string name = temporaryName(GetCurrentProcessId());
        file.path = folder + std::wstring(name.begin(), name.end());
        file.handle = CreateFileW(file.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file.handle != INVALID_HANDLE_VALUE) {
            file.error = ERROR_SUCCESS;
            return file;
        }
        file.error = GetLastError();
        if (file.error != ERROR_FILE_EXISTS && file.error != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    file.path.clear();
    return file;
}

// A file the program made for itself, deleted when it goes out of scope unless it was kept.
class OwnFile {
  public:
    explicit OwnFile(std::wstring path) : path_(std::move(path)) {}
    ~OwnFile() {
        if (!kept_ && !path_.empty()) {
            DeleteFileW(path_.c_str());
        }
    }
    OwnFile(const OwnFile&) = delete;
    OwnFile& operator=(const OwnFile&) = delete;

    const std::wstring& path() const { return path_; }
    void keep() { kept_ = true; }

  private:
    std::wstring path_;
    bool kept_ = false;
};

// Writes all of `bytes`, syncs them to the disk and closes the file: the first failure of any step.
DWORD writeAndClose(HANDLE file, std::string_view bytes) {
    constexpr std::size_t kMostAtOnce = 1 << 20;
    DWORD error = ERROR_SUCCESS;
    while (!bytes.empty() && error == ERROR_SUCCESS) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min(bytes.size(), kMostAtOnce));
        if (!systemCalls().writeFile(file, bytes.data(), chunk, &written, nullptr)) {
            error = GetLastError();
        } else if (written == 0) {
            error = ERROR_WRITE_FAULT;
        }
        bytes.remove_prefix(written);
    }
    if (error == ERROR_SUCCESS && !systemCalls().flushFileBuffers(file)) {
        error = GetLastError();
    }
    if (!systemCalls().closeHandle(file) && error == ERROR_SUCCESS) {
        error = GetLastError();
    }
    return error;
}

// A name beside `target` that no entry has, for ReplaceFileW to move the old file to.
DWORD reserveName(const std::wstring& target, std::wstring& name) {
    const CreatedFile reserved = createFileBeside(target);
    if (reserved.handle == INVALID_HANDLE_VALUE) {
        return reserved.error;
    }
    CloseHandle(reserved.handle);
    DeleteFileW(reserved.path.c_str());
    name = reserved.path;
    return ERROR_SUCCESS;
}

// ReplaceFileW keeps the old file's attributes and security. With a backup name it leaves the old
// file under one of the two names whatever fails: when it moved the old file aside but could not
// move the new one in, the old one is moved back, and the user is told what the system says when
// the old file keeps its name. Should that fail too, the user is told where the old file is.
FileError replaceExisting(const std::wstring& target, const std::wstring& replacement) {
    std::wstring backupName;
    if (const DWORD error = reserveName(target, backupName); error != ERROR_SUCCESS) {
        return win32::systemError(error);
    }
    OwnFile backup(backupName);
    if (systemCalls().replaceFile(target.c_str(), replacement.c_str(), backup.path().c_str(), 0,
                                  nullptr, nullptr)) {
        return {};
    }
    const DWORD error = GetLastError();
    if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        return win32::systemError(error);
    }
    if (systemCalls().moveFile(backup.path().c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
        return win32::systemError(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
    }
    backup.keep();
    return describedError(win32::systemMessage(error) + u"\n" + win32::userPath(backup.path()));
}

// Without REPLACE_EXISTING: an entry that has come in the meantime is not replaced unseen.
FileError moveIntoPlace(const std::wstring& target, const std::wstring& replacement) {
    if (!systemCalls().moveFile(replacement.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
        return win32::systemError(GetLastError());
    }
    return {};
}

// Flushes the file now in place once more: neither ReplaceFileW nor MoveFileExW says that the
// change of the file's entry has reached the medium, and a FAT medium pulled before it has may
// lose the file.
FileError flushInPlace(const std::wstring& target) {
    const HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return win32::systemError(GetLastError());
    }
    const DWORD error = systemCalls().flushFileBuffers(file) ? ERROR_SUCCESS : GetLastError();
    CloseHandle(file);
    return error == ERROR_SUCCESS ? FileError{} : win32::systemError(error);
}

}  // namespace

FileError replaceFile(std::u16string_view path, std::string_view bytes) {
    const std::wstring target = win32::longPath(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists) {
        if (const DWORD error = GetLastError(); error != ERROR_FILE_NOT_FOUND) {
            return win32::systemError(error);
        }
    } else {
        // A junction and a mount point are reparse points too; a device is no regular file.
        const ExistingEntry existing{
            (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0,
            (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0,
            (attributes & FILE_ATTRIBUTE_READONLY) != 0};
        if (const FileError refused = replaceRefusal(existing); refused.failed()) {
            return refused;
        }
    }

    const CreatedFile created = createFileBeside(target);
    if (created.handle == INVALID_HANDLE_VALUE) {
        return win32::systemError(created.error);
    }
    OwnFile replacement(created.path);
    if (const DWORD error = writeAndClose(created.handle, bytes); error != ERROR_SUCCESS) {
        return win32::systemError(error);
    }
    const FileError placed = exists ? replaceExisting(target, replacement.path())
                                    : moveIntoPlace(target, replacement.path());
    if (placed.failed()) {
        return placed;
    }
    replacement.keep();
    return flushInPlace(target);
}

}  // namespace orvane::platform
