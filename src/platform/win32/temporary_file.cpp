#include "platform/win32/temporary_file.h"

#include "platform/replace_rules.h"

namespace orvane::platform::win32 {

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

OwnFile::~OwnFile() {
    if (!kept_ && !path_.empty()) {
        DeleteFileW(path_.c_str());
    }
}

}  // namespace orvane::platform::win32
