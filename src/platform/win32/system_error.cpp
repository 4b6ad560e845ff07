#include "platform/win32/system_error.h"

#include <string_view>

#include "platform/win32/wide_text.h"

namespace orvane::platform::win32 {
namespace {

FileProblem problemOf(DWORD error) {
    switch (error) {
        case ERROR_WRITE_PROTECT:
            return FileProblem::WriteProtected;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileProblem::MediumFull;
        case ERROR_ACCESS_DENIED:
            return FileProblem::NoPermission;
        case ERROR_NOT_READY:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_NO_MEDIA_IN_DRIVE:
        case ERROR_MEDIA_CHANGED:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_DEVICE_REMOVED:
            return FileProblem::MediumGone;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return FileProblem::NameTaken;
        case ERROR_CRC:
        case ERROR_IO_DEVICE:
        case ERROR_GEN_FAILURE:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT:
        case ERROR_SECTOR_NOT_FOUND:
            return FileProblem::InputOutput;
        default:
            return FileProblem::Described;
    }
}

}  // namespace

std::u16string systemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr) {
        return u"Error " + fromWide(std::to_wstring(error));
    }
    std::wstring_view message(buffer, length);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) {
        message.remove_suffix(1);
    }
    std::u16string text = fromWide(message);
    LocalFree(buffer);
    return text;
}

FileError systemError(DWORD error) {
    if (const FileProblem problem = problemOf(error); problem != FileProblem::Described) {
        return {problem, {}};
    }
    return describedError(systemMessage(error));
}

}  // namespace orvane::platform::win32
