#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/file_access.h"
#include "platform/win32/long_path.h"
#include "platform/win32/system_calls.h"
#include "platform/win32/system_error.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform {
namespace {

class FileReader final : public ByteReader {
  public:
    explicit FileReader(HANDLE file) : file_(file) {}
    ~FileReader() override { CloseHandle(file_); }  // nothing was written, so nothing to lose
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    ReadResult read(std::span<char> buffer) override {
        constexpr std::size_t kMostAtOnce = 1 << 20;
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(std::min(buffer.size(), kMostAtOnce));
        if (!win32::systemCalls().readFile(file_, buffer.data(), wanted, &got, nullptr)) {
            return {0, win32::systemError(GetLastError())};
        }
        return {got, {}};
    }

  private:
    HANDLE file_;
};

std::uint64_t joined(DWORD high, DWORD low) {
    return (std::uint64_t{high} << 32) | low;
}

std::optional<FileStatus> statusOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information)) {
        return std::nullopt;
    }
    // In 100-nanosecond steps since 1601.
    const std::uint64_t written = joined(information.ftLastWriteTime.dwHighDateTime,
                                         information.ftLastWriteTime.dwLowDateTime);
    constexpr std::uint64_t kStepsPerSecond = 10'000'000;
    return FileStatus{information.dwVolumeSerialNumber,
                      joined(information.nFileIndexHigh, information.nFileIndexLow),
                      joined(information.nFileSizeHigh, information.nFileSizeLow),
                      {static_cast<std::int64_t>(written / kStepsPerSecond),
                       static_cast<std::int64_t>(written % kStepsPerSecond * 100)},
                      {}};
}

// What the system says of an entry that cannot be opened for reading: opened only to look at
// it, which neither a sharing mode nor a missing read permission refuses.
std::optional<FileStatus> statusOf(const std::wstring& name) {
    const HANDLE entry = CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (entry == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<FileStatus> status = statusOf(entry);
    CloseHandle(entry);
    return status;
}

// Why an entry that did not open is not read; nothing at all when there is no entry of that name.
OpenedFile notOpened(const std::wstring& name, DWORD error) {
    OpenedFile opened;
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES &&
        (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)) {
        return opened;
    }
    opened.exists = true;
    opened.status = statusOf(name);
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder, or a link to one, does not open at all.
    const bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    opened.error = folder ? FileError{FileProblem::NotRegularFile, {}} : win32::systemError(error);
    return opened;
}

}  // namespace

OpenedFile openRegularFile(std::u16string_view path) {
    const std::wstring name = win32::longPath(path);
    const HANDLE file = CreateFileW(
        name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return notOpened(name, GetLastError());
    }
    auto reader = std::make_unique<FileReader>(file);
    OpenedFile opened;
    opened.exists = true;
    opened.status = statusOf(file);
    // Devices (NUL, CON, COM1...) and pipes are no disk files: reading them could block or never
    // end.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        opened.error = {FileProblem::NotRegularFile, {}};
        return opened;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
        opened.error = win32::systemError(GetLastError());
        return opened;
    }
    opened.size = static_cast<std::uint64_t>(size.QuadPart);
    opened.reader = std::move(reader);
    return opened;
}

}  // namespace orvane::platform
