// The window's own messages: notifications from its controls, closing, activation, a move to a
// monitor of another DPI and the end of the window.

#include "platform/shared/form_layout.h"
#include "platform/win32/combo_box.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window.h"

namespace orvane::platform::win32 {

LRESULT CALLBACK Win32Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (window == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return window->handleMessage(message, wParam, lParam);
}

LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = hwnd_;
    switch (message) {
        case WM_COMMAND:
            if (lParam != 0) {
                command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
                return 0;
            }
            break;
        case WM_HSCROLL:
            if (lParam != 0) {
                // Positions come as 16 bits, enough for the editor's 16-bit values.
                scrolled(reinterpret_cast<HWND>(lParam), LOWORD(wParam),
                         static_cast<short>(HIWORD(wParam)));
                return 0;
            }
            break;
        case WM_CLOSE:
            closeRequested();
            return 0;
        case WM_QUERYENDSESSION:
            // The desktop session may end once the window has gone.
            return closeRequested() ? TRUE : FALSE;
        case WM_ACTIVATE:
            activated(LOWORD(wParam) != WA_INACTIVE);
            if (LOWORD(wParam) != WA_INACTIVE) {
                return 0;
            }
            break;
        case WM_DPICHANGED:
            dpiChanged({LOWORD(wParam), HIWORD(wParam)}, *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            destroying();
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Window::command(HWND hwnd, int code) {
    const ControlId id = controlOf(hwnd);
    if (id == kNoControl || controls_[static_cast<std::size_t>(id)] != hwnd) {
        return;
    }
    switch (design(id).kind) {
        case ControlKind::PictureButton:
            if (code == BN_CLICKED) {
                events_.click(id);
            }
            break;
        case ControlKind::ComboBox:
            if (programChanging_) {
                break;
            }
            if (code == CBN_SELCHANGE) {
                events_.click(id);
            } else if (code == CBN_EDITCHANGE) {
                clearComboSelectionKeepingText(hwnd);
            }
            break;
        default:
            break;
    }
}

void Win32Window::scrolled(HWND bar, int request, int position) {
    const ControlId id = controlOf(bar);
    if (id == kNoControl || design(id).kind != ControlKind::HScrollBar) {
        return;
    }
    const int current = value(id);
    const ScrollStep step = scrollTrackers_[static_cast<std::size_t>(id)].apply(
        request, position, current, design(id).scroll);
    if (step.value != current) {
        setValue(id, step.value);
    }
    tell(events_, id, step.report);
}

// Every way of closing (close box, Alt+F4, the window menu, the taskbar, the end of the session)
// arrives here.
bool Win32Window::closeRequested() {
    if (hwnd_ == nullptr) {
        return false;
    }
    const bool stayOpen = events_.queryUnload();
    if (stayOpen || hwnd_ == nullptr) {
        return false;
    }
    events_.close();
    DestroyWindow(hwnd_);
    return true;
}

// The focus leaves with the window and comes back to the control that had it.
void Win32Window::activated(bool active) {
    if (!active) {
        if (const ControlId id = controlOf(GetFocus()); id != kNoControl) {
            focused_ = id;
        }
        return;
    }
    focusControl(focused_);
}

void Win32Window::destroying() {
    events_.close();
    annotations_.clear();
    toolkit_.windowClosed(*this);
}

bool Win32Window::handleNavigationKey(const MSG& message) {
    if (hwnd_ == nullptr || message.message != WM_KEYDOWN ||
        (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) {
        return false;
    }
    const bool plain = GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
    if (message.wParam == VK_TAB && plain) {
        const bool back = GetKeyState(VK_SHIFT) < 0;
        const ControlId next = nextInTabOrder(tabOrder_, controlOf(GetFocus()), !back);
        focusControl(next);
        // Coming in by Tab selects a field's whole text, ready to be typed over.
        switch (design(next).kind) {
            case ControlKind::TextBox:
                SendMessageW(control(next), EM_SETSEL, 0, -1);
                break;
            case ControlKind::ComboBox:
                SendMessageW(control(next), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
                break;
            default:
                break;
        }
        return true;
    }
    if (message.wParam == VK_RETURN && plain) {
        const ControlId focused = controlOf(message.hwnd);
        if (focused != kNoControl && design(focused).kind == ControlKind::PictureButton) {
            SendMessageW(control(focused), BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

}  // namespace orvane::platform::win32
