#pragma once

namespace orvane::platform::win32 {

// From here on Windows looks for the DLLs loaded at run time (by the program, the shell, COM and
// the common controls) only in the system folder, never in the program's folder, which whoever
// writes the settings file can fill. Called at start-up, before anything can load a DLL.
void loadDllsOnlyFromSystem();

}  // namespace orvane::platform::win32
