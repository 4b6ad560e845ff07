#include "support/links.h"

#include <cstddef>
#include <cstring>
#include <vector>

#include "platform/win32/windows_api.h"

#include <winioctl.h>

#include "platform/shared/utf8.h"
#include "platform/win32/system_error.h"

namespace orvane::test {
namespace {

std::string systemWords(DWORD error) {
    return platform::encodeUtf8(platform::win32::systemMessage(error));
}

bool isReparsePoint(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// The start of a mount point's reparse data, as the driver kit's REPARSE_DATA_BUFFER has it.
struct MountPointHeader {
    DWORD tag;
    WORD dataLength;  // of what follows `reserved`
    WORD reserved;
    WORD substituteOffset;
    WORD substituteLength;
    WORD printOffset;
    WORD printLength;
};
constexpr std::size_t kBeforeData = sizeof(DWORD) + 2 * sizeof(WORD);

// The target as the system names it ("\??\C:\x") and as it is shown, each with its null
// character, after the header.
std::vector<char> mountPointData(const std::wstring& target) {
    const std::wstring substitute = L"\\??\\" + target;
    const std::wstring names = substitute + L'\0' + target + L'\0';
    const std::size_t namesBytes = names.size() * sizeof(wchar_t);
    MountPointHeader header{};
    header.tag = IO_REPARSE_TAG_MOUNT_POINT;
    header.dataLength = static_cast<WORD>(sizeof(header) - kBeforeData + namesBytes);
    header.substituteLength = static_cast<WORD>(substitute.size() * sizeof(wchar_t));
    header.printOffset = static_cast<WORD>(header.substituteLength + sizeof(wchar_t));
    header.printLength = static_cast<WORD>(target.size() * sizeof(wchar_t));
    std::vector<char> data(sizeof(header) + namesBytes);
    std::memcpy(data.data(), &header, sizeof(header));
    std::memcpy(data.data() + sizeof(header), names.data(), namesBytes);
    return data;
}

}  // namespace

std::string makeSymbolicLink(const std::filesystem::path& link,
                             const std::filesystem::path& target) {
    if (!CreateSymbolicLinkW(link.c_str(), target.c_str(),
                             SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE)) {
        return "CreateSymbolicLinkW failed: " + systemWords(GetLastError());
    }
    if (!isReparsePoint(link)) {
        return "CreateSymbolicLinkW reported success but made no link (Wine does so)";
    }
    return {};
}

std::string makeJunction(const std::filesystem::path& link, const std::filesystem::path& target) {
    if (!CreateDirectoryW(link.c_str(), nullptr)) {
        return "CreateDirectoryW failed: " + systemWords(GetLastError());
    }
    const HANDLE folder =
        CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        return "the new folder did not open: " + systemWords(GetLastError());
    }
    std::vector<char> data = mountPointData(target.wstring());
    DWORD returned = 0;
    const BOOL set =
        DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, data.data(),
                        static_cast<DWORD>(data.size()), nullptr, 0, &returned, nullptr);
    const DWORD error = GetLastError();
    CloseHandle(folder);
    if (!set) {
        RemoveDirectoryW(link.c_str());
        return "FSCTL_SET_REPARSE_POINT failed: " + systemWords(error);
    }
    return {};
}

}  // namespace orvane::test
