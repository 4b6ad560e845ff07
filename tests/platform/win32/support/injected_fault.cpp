#include "support/file_faults.h"

#include <array>
#include <optional>

namespace orvane::test {
namespace {

constexpr std::size_t kCallKinds = 6;

struct Plan {
    std::vector<Fault> faults;
    std::array<int, kCallKinds> made{};
};

Plan plan;

// Counts the call; the error it is to fail with, if this is the one.
std::optional<DWORD> failure(FileCall call) {
    const int made = ++plan.made[static_cast<std::size_t>(call)];
    for (const Fault& fault : plan.faults) {
        if (fault.call == call && fault.nth == made) {
            return fault.error;
        }
    }
    return std::nullopt;
}

BOOL fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

BOOL WINAPI readFile(HANDLE file, LPVOID buffer, DWORD size, LPDWORD got, LPOVERLAPPED overlap) {
    if (const auto error = failure(FileCall::Read)) {
        *got = 0;
        return fail(*error);
    }
    return ReadFile(file, buffer, size, got, overlap);
}

BOOL WINAPI writeFile(HANDLE file, LPCVOID bytes, DWORD size, LPDWORD written,
                      LPOVERLAPPED overlap) {
    if (const auto error = failure(FileCall::Write)) {
        *written = 0;
        return fail(*error);
    }
    return WriteFile(file, bytes, size, written, overlap);
}

BOOL WINAPI flushFileBuffers(HANDLE file) {
    if (const auto error = failure(FileCall::Flush)) {
        return fail(*error);
    }
    return FlushFileBuffers(file);
}

BOOL WINAPI closeHandle(HANDLE handle) {
    if (const auto error = failure(FileCall::Close)) {
        CloseHandle(handle);
        return fail(*error);
    }
    return CloseHandle(handle);
}

BOOL WINAPI replaceFile(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags,
                        LPVOID exclude, LPVOID reserved) {
    if (const auto error = failure(FileCall::Replace)) {
        if (*error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            MoveFileExW(replaced, backup, 0);
        }
        return fail(*error);
    }
    return ReplaceFileW(replaced, replacement, backup, flags, exclude, reserved);
}

BOOL WINAPI moveFile(LPCWSTR from, LPCWSTR to, DWORD flags) {
    if (const auto error = failure(FileCall::Move)) {
        return fail(*error);
    }
    return MoveFileExW(from, to, flags);
}

constexpr platform::win32::FileCalls kFaultyCalls{readFile,    writeFile,   flushFileBuffers,
                                                  closeHandle, replaceFile, moveFile};

}  // namespace

FileFaults::FileFaults(std::initializer_list<Fault> faults) : calls_(kFaultyCalls) {
    plan = {faults, {}};
}

FileFaults::~FileFaults() {
    plan = {};
}

int FileFaults::calls(FileCall call) const {
    return plan.made[static_cast<std::size_t>(call)];
}

}  // namespace orvane::test
