#pragma once

#include <string_view>

#include "platform/win32/win32_toolkit.h"

namespace orvane::test {

// Keyboard input as the message loop delivers it: posted to the window with the focus (or the
// one given) and handled by the toolkit's own loop, Tab handling and translation included.
class Keyboard {
  public:
    explicit Keyboard(platform::win32::Win32Toolkit& toolkit) : toolkit_(toolkit) {}

    // WM_KEYDOWN and WM_KEYUP of a virtual key, with Shift or Ctrl held down if asked.
    void press(UINT key, bool shift = false, bool control = false, HWND target = nullptr);
    // One WM_CHAR for every UTF-16 unit of `text`.
    void type(std::u16string_view text, HWND target = nullptr);

  private:
    platform::win32::Win32Toolkit& toolkit_;
};

}  // namespace orvane::test
