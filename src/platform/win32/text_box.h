#pragma once

#include <string>

#include "platform/shared/event_gate.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// Puts an edit control's character keystrokes and inserted text to the program's rules before
// the control sees them: WM_CHAR goes to keyPress() and, for a printable character, to
// acceptInsertion(); a paste (WM_PASTE, which Ctrl+V, the context menu and the middle button
// send, and Shift+Insert) and text from an input method go to acceptInsertion() as a whole. A
// paste inserts the text that was judged; when the clipboard cannot be read it is refused.
class TextBoxInput {
  public:
    TextBoxInput(HWND box, ControlId id, EventGate& events);
    ~TextBoxInput();
    TextBoxInput(const TextBoxInput&) = delete;
    TextBoxInput& operator=(const TextBoxInput&) = delete;

  private:
    static LRESULT CALLBACK procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR subclass, DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT character(UINT message, char16_t unit, LPARAM lParam, bool keystroke);
    void paste();
    bool acceptsComposition(LPARAM lParam);

    HWND box_;
    ControlId id_;
    EventGate& events_;
    char16_t pendingHighSurrogate_ = 0;
};

}  // namespace orvane::platform::win32
