#pragma once

#include <string_view>

#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// A drop-down combo box (CBS_DROPDOWN): an edit field over a fixed list. Its selection is the
// list's selection, which CB_GETCURSEL reports.

// Typing never selects an entry, not even one whose name was typed while the list was open: the
// list's selection is cleared and the typed text stays.
void clearComboSelectionKeepingText(HWND combo);

// Puts `text` in the edit field and leaves the selection as it was.
void setComboText(HWND combo, std::wstring_view text);

// Makes the closed combo box `height` pixels high: its height follows its font otherwise.
void fitComboHeight(HWND combo, int height);

// The edit field inside the combo box.
HWND comboEdit(HWND combo);

}  // namespace orvane::platform::win32
