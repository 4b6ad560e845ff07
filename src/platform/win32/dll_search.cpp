#include "platform/win32/dll_search.h"

#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

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

}  // namespace orvane::platform::win32
