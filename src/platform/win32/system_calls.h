#pragma once

#include "platform/shared/call_table.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// The file functions whose failure the settings file must notice.
struct SystemCalls {
    decltype(&ReadFile) readFile;
    decltype(&WriteFile) writeFile;
    decltype(&FlushFileBuffers) flushFileBuffers;
    decltype(&CloseHandle) closeHandle;
    decltype(&ReplaceFileW) replaceFile;
    decltype(&MoveFileExW) moveFile;
};

// The table of the calls above (platform/shared/call_table.h), and the calls in use.
CallTable<SystemCalls>& systemCallTable();
inline const SystemCalls& systemCalls() {
    return systemCallTable().inUse();
}

}  // namespace orvane::platform::win32
