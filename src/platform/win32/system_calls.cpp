#include "platform/win32/system_calls.h"

namespace orvane::platform::win32 {
namespace {

constexpr SystemCalls kRealCalls = {
    &ReadFile, &WriteFile, &FlushFileBuffers, &CloseHandle, &ReplaceFileW, &MoveFileExW,
};

}  // namespace

CallTable<SystemCalls>& systemCallTable() {
    static CallTable<SystemCalls> table(kRealCalls);
    return table;
}

}  // namespace orvane::platform::win32
