#include "support/injected_fault.h"

#include <optional>

namespace orvane::test {
namespace {

BOOL fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

BOOL WINAPI readFile(HANDLE file, LPVOID buffer, DWORD size, LPDWORD got, LPOVERLAPPED overlap) {
    if (const auto error = InjectedFaults::failure(SystemCall::Read)) {
        *got = 0;
        return fail(*error);
    }
    return ReadFile(file, buffer, size, got, overlap);
}

BOOL WINAPI writeFile(HANDLE file, LPCVOID bytes, DWORD size, LPDWORD written,
                      LPOVERLAPPED overlap) {
    if (const auto error = InjectedFaults::failure(SystemCall::Write)) {
        *written = 0;
        return fail(*error);
    }
    return WriteFile(file, bytes, size, written, overlap);
}

BOOL WINAPI flushFileBuffers(HANDLE file) {
    if (const auto error = InjectedFaults::failure(SystemCall::Flush)) {
        return fail(*error);
    }
    return FlushFileBuffers(file);
}

BOOL WINAPI closeHandle(HANDLE handle) {
    if (const auto error = InjectedFaults::failure(SystemCall::Close)) {
        CloseHandle(handle);
        return fail(*error);
    }
    return CloseHandle(handle);
}

BOOL WINAPI replaceFile(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags,
                        LPVOID exclude, LPVOID reserved) {
    if (const auto error = InjectedFaults::failure(SystemCall::Replace)) {
        if (*error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            MoveFileExW(replaced, backup, 0);
        }
        return fail(*error);
    }
    return ReplaceFileW(replaced, replacement, backup, flags, exclude, reserved);
}

BOOL WINAPI moveFile(LPCWSTR from, LPCWSTR to, DWORD flags) {
    if (const auto error = InjectedFaults::failure(SystemCall::Move)) {
        return fail(*error);
    }
    return MoveFileExW(from, to, flags);
}

constexpr platform::win32::SystemCalls kStandIns{readFile,    writeFile,   flushFileBuffers,
                                                 closeHandle, replaceFile, moveFile};

}  // namespace

const platform::win32::SystemCalls& Win32Faults::standIns() {
    return kStandIns;
}

}  // namespace orvane::test
