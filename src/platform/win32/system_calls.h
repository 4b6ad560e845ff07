#pragma once

#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// The file functions whose failure the settings file must notice. They are called through this
// table so that a test can make one of them fail when it chooses (ScopedFileCalls); the program
// itself always uses the system's.
struct FileCalls {
    decltype(&ReadFile) readFile = &ReadFile;
    decltype(&WriteFile) writeFile = &WriteFile;
    decltype(&FlushFileBuffers) flushFileBuffers = &FlushFileBuffers;
    decltype(&CloseHandle) closeHandle = &CloseHandle;
    decltype(&ReplaceFileW) replaceFile = &ReplaceFileW;
    decltype(&MoveFileExW) moveFile = &MoveFileExW;
};

const FileCalls& fileCalls();

// Puts other file functions in place for its lifetime; the ones before it come back after.
class ScopedFileCalls {
  public:
    explicit ScopedFileCalls(const FileCalls& calls);
    ~ScopedFileCalls();
    ScopedFileCalls(const ScopedFileCalls&) = delete;
    ScopedFileCalls& operator=(const ScopedFileCalls&) = delete;

  private:
    FileCalls previous_;
};

}  // namespace orvane::platform::win32
