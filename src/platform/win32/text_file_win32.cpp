#include <algorithm>

#include "platform/text_file.h"
#include "platform/win32/file_calls.h"
#include "platform/win32/long_path.h"
#include "platform/win32/system_message.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform {
namespace {

FileError failure(DWORD error) {
    return describedError(win32::systemMessage(error));
}

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
        if (!win32::fileCalls().readFile(file_, buffer.data(), wanted, &got, nullptr)) {
            return {0, failure(GetLastError())};
        }
        return {got, {}};
    }

  private:
    HANDLE file_;
};

// Why an entry that did not open is not read; nothing at all when there is no entry of that name.
OpenedFile notOpened(const std::wstring& name, DWORD error) {
    OpenedFile opened;
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES &&
        (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)) {
        return opened;
    }
    opened.exists = true;
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder, or a link to one, does not open at all.
    const bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    opened.error = folder ? FileError{FileProblem::NotRegularFile, {}} : failure(error);
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
    // Devices (NUL, CON, COM1...) and pipes are no disk files: reading them could block or never
    // end.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        opened.error = {FileProblem::NotRegularFile, {}};
        return opened;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
        opened.error = failure(GetLastError());
        return opened;
    }
    opened.size = static_cast<std::uint64_t>(size.QuadPart);
    opened.reader = std::move(reader);
    return opened;
}

}  // namespace orvane::platform
