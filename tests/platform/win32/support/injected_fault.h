#pragma once

#include "platform/injected_faults.h"
#include "platform/win32/system_calls.h"

namespace orvane::test {

// The Win32 file access's calls that tests make fail. A failing CloseHandle still closes the
// handle, as the system's does. A failing ReplaceFileW with ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 has
// moved the old file to the backup name first, as the system's has when it says so.
struct Win32Faults {
    enum class Call { Read, Write, Flush, Close, Replace, Move, Count };
    using Error = DWORD;  // what GetLastError() says after the failed call
    using Calls = platform::win32::SystemCalls;
    static platform::CallTable<Calls>& table() { return platform::win32::systemCallTable(); }
    static const Calls& standIns();
};

using SystemCall = Win32Faults::Call;
using InjectedFaults = CallFaults<Win32Faults>;
using Fault = InjectedFaults::Fault;

}  // namespace orvane::test
