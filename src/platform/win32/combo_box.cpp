#include "platform/win32/combo_box.h"

#include <string>

namespace orvane::platform::win32 {
namespace {

HWND comboList(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

void selectInList(HWND combo, LRESULT index) {
    SendMessageW(comboList(combo), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace

HWND comboEdit(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

// CB_SETCURSEL with -1 would also empty the edit field, so the list is told directly.
void clearComboSelectionKeepingText(HWND combo) {
    if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != CB_ERR) {
        selectInList(combo, -1);
    }
}

void setComboText(HWND combo, std::wstring_view text) {
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    const std::wstring copy(text);
    SetWindowTextW(combo, copy.c_str());
    if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != selected) {
        selectInList(combo, selected);
    }
}

// The window is the field and the borders around it. Their size is measured from a first setting
// of the field's height: Wine's combo box reports its field higher than it takes it, by another
// amount after a change of font.
void fitComboHeight(HWND combo, int height) {
    const auto windowHeight = [combo] {
        RECT rect{};
        GetWindowRect(combo, &rect);
        return static_cast<int>(rect.bottom - rect.top);
    };
    if (windowHeight() == height) {
        return;
    }
    const auto field =
        static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    const int borders = windowHeight() - field;
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - borders);
}

}  // namespace orvane::platform::win32
