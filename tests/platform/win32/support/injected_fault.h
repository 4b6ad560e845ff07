#pragma once

#include <initializer_list>
#include <vector>

#include "platform/win32/file_calls.h"

namespace orvane::test {

enum class FileCall { Read, Write, Flush, Close, Replace, Move };

struct Fault {
    FileCall call;
    DWORD error;  // what GetLastError() says after the failed call
    int nth = 1;  // the call that fails: 1 for the first one made while the faults stand
};

// Makes chosen file calls of the program fail, for their lifetime; every other call goes to the
// system. A failing CloseHandle still closes the handle, as the system's does. A failing
// ReplaceFileW with ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 has moved the old file to the backup name
// first, as the system's has when it says so. One set of faults at a time.
class FileFaults {
  public:
    FileFaults(std::initializer_list<Fault> faults);
    ~FileFaults();
    FileFaults(const FileFaults&) = delete;
    FileFaults& operator=(const FileFaults&) = delete;

    // How often `call` was made while the faults stood.
    int calls(FileCall call) const;

  private:
    platform::win32::ScopedFileCalls calls_;
};

}  // namespace orvane::test
