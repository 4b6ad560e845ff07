#pragma once

#include <cstdint>
#include <string_view>

#include "platform/form_design.h"

namespace orvane::platform {

// What a window reports to the program. Only user actions are reported: a value set by the
// program through Window never comes back as a notification.
class FormEvents {
  public:
    // The window is about to close, for whatever reason. Returns true to keep it open.
    virtual bool queryUnload() = 0;
    // A button was pressed, or an entry of a list was chosen.
    virtual void click(ControlId control) = 0;
    // A scroll bar's value has settled on a new value (arrow, trough, key, end of a thumb drag).
    virtual void change(ControlId control) = 0;
    // A scroll bar's thumb is being dragged and has reached a new value.
    virtual void scroll(ControlId control) = 0;
    // A keystroke that produces a character arrived in a text box; set keyAscii to 0 to cancel it.
    virtual void keyPress(ControlId control, std::int16_t& keyAscii) = 0;
    // Text is about to be inserted into a text box by typing, pasting, dropping or an input method.
    // True when the field's rule takes it whole; only asks, changes nothing.
    virtual bool allowsInsertion(ControlId control, std::u16string_view inserted) const = 0;
    // An insertion that allowsInsertion() refused was left out of the field.
    virtual void insertionRefused(ControlId control) = 0;

  protected:
    ~FormEvents() = default;
};

}  // namespace orvane::platform
