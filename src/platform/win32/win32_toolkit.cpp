#include "platform/win32/win32_toolkit.h"

#include "platform/win32/windows_api.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>

#include "platform/win32/win32_window.h"

namespace orvane::platform::win32 {

Win32Toolkit::Win32Toolkit() {
    // A single-threaded apartment, as the shell's ShellExecuteW asks for.
    comStarted_ =
        SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    Win32Window::registerClass();
}

Win32Toolkit::~Win32Toolkit() {
    if (comStarted_) {
        CoUninitialize();
    }
}

std::unique_ptr<Window> Win32Toolkit::createWindow(const FormDesign& design, FormEvents& events) {
    return std::make_unique<Win32Window>(*this, design, events);
}

int Win32Toolkit::run() {
    MSG message{};
    while (!windows_.empty()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);  // WM_QUIT
        }
        if (got == -1) {
            return 1;
        }
        dispatch(message);
    }
    return 0;
}

void Win32Toolkit::dispatch(MSG& message) {
    for (Win32Window* window : windows_) {
        if (window->handleNavigationKey(message)) {
            return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32Toolkit::processPendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

HWND Win32Toolkit::ownerWindow() const {
    return windows_.empty() ? nullptr : windows_.back()->handle();
}

void Win32Toolkit::windowOpened(Win32Window& window) {
    windows_.push_back(&window);
}

void Win32Toolkit::windowClosed(Win32Window& window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

}  // namespace orvane::platform::win32
