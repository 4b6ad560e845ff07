#include "platform/win32/unique_file.h"

namespace orvane::platform::win32 {

NewFile createFileBeside(const std::wstring& target) {
    // Enough tries to get past the leftovers of earlier runs, few enough to end soon when the
    // folder refuses every name for another reason.
    constexpr int kTries = 100;
    static unsigned made = 0;
    const std::wstring stem = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-";
    NewFile file;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        file.path = stem + std::to_wstring(made++) + L".tmp";
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

OwnFile::~OwnFile() {
    if (!kept_ && !path_.empty()) {
        DeleteFileW(path_.c_str());
    }
}

}  // namespace orvane::platform::win32
