#pragma once

#include "platform/win32/windows_api.h"

namespace orvane::test {

// True when the tests run under Wine rather than Windows: Wine's ntdll says its version.
inline bool underWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace orvane::test
