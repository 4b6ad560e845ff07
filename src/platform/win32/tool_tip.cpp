#include "platform/win32/tool_tip.h"

#include "platform/win32/windows_api.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace orvane::platform::win32 {

HWND createToolTip(HWND owner, HWND tool, std::u16string_view text) {
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                     WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
    if (tip == nullptr) {
        return nullptr;
    }
    std::wstring copy = toWide(text);  // the tooltip keeps its own copy
    TTTOOLINFOW info{};
    // The size every version of the common controls knows, with or without visual styles.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = copy.data();
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    return tip;
}

}  // namespace orvane::platform::win32
