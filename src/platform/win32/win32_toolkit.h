#pragma once

#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

class Win32Window;

// Windows made of Win32 controls on the calling thread, which it prepares for them: COM (for the
// shell and the accessibility service), the common controls and the window class.
class Win32Toolkit final : public Toolkit {
  public:
    Win32Toolkit();
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

    std::unique_ptr<Window> createWindow(const FormDesign& design, FormEvents& events) override;
    // Runs the message loop until the last window is destroyed.
    int run() override;

    // Hands one message on, after the keyboard navigation the windows do themselves.
    void dispatch(MSG& message);
    // Handles every message already waiting, without waiting for more.
    void processPendingMessages();

    // The window that dialogs and launched programs belong to; none when no window is open.
    HWND ownerWindow() const;

    void windowOpened(Win32Window& window);
    void windowClosed(Win32Window& window);

  private:
    std::vector<Win32Window*> windows_;  // open windows, oldest first
    bool comStarted_ = false;
};

}  // namespace orvane::platform::win32
