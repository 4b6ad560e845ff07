#include "platform/file_access.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform {
namespace {

// From here on Windows looks for the DLLs loaded at run time (by the program, the shell, COM and
// the common controls) only in the system folder, never in the program's folder, which whoever
// writes the settings file can fill. Called before anything can load a DLL.
void loadDllsOnlyFromSystem() {
    // Looked up, not imported: Windows 7 has it only with update KB2533623, and without it the
    // program would not start at all.
    using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesCall>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

class Win32Desktop final : public Desktop {
  public:
    Services services() override { return {toolkit_, programFolder(), dialogs_, shell_}; }

  private:
    win32::Win32Toolkit toolkit_;
    win32::Win32Dialogs dialogs_{toolkit_};
    win32::Win32Shell shell_{toolkit_};
};

}  // namespace

std::unique_ptr<Desktop> startDesktop(int& /*argc*/, char** /*argv*/) {
    loadDllsOnlyFromSystem();
    return std::make_unique<Win32Desktop>();
}

}  // namespace orvane::platform
