#include "platform/file_access.h"
#include "platform/shared/paths.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform {

std::optional<std::u16string> programFolder() {
    // Paths may be longer than MAX_PATH; the buffer grows until the whole path fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::nullopt;
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::u16string folder(splitPath(std::u16string(path.begin(), path.end())).folder);
    return folder.empty() ? std::nullopt : std::optional(folder);
}

}  // namespace orvane::platform
