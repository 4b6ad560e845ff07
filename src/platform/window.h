#pragma once

#include <string>
#include <string_view>

#include "platform/form_design.h"

namespace orvane::platform {

struct TwipSize {
    float width = 0;
    float height = 0;
};

// The one window of the program and its controls, addressed by their place in the design table.
// Setters never report back through FormEvents.
class Window {
  public:
    virtual ~Window() = default;

    virtual void setCaption(std::u16string_view caption) = 0;
    virtual TwipSize outerSize() const = 0;   // including the border and title bar
    virtual TwipSize screenSize() const = 0;  // the screen the window is on
    virtual void setLeft(float twips) = 0;
    virtual void setTop(float twips) = 0;
    virtual void show() = 0;
    virtual bool isVisible() const = 0;

    // Frames: the caption. Text boxes and the combo box: the edited text.
    virtual std::u16string text(ControlId control) const = 0;
    virtual void setText(ControlId control, std::u16string_view text) = 0;
    // What assistive technology (a screen reader) announces for the control.
    virtual void setAccessibleText(ControlId control, std::u16string_view name,
                                   std::u16string_view description) = 0;

    // Scroll bars.
    virtual int value(ControlId control) const = 0;
    virtual void setValue(ControlId control, int value) = 0;

    // Combo box: the entry list and the selected entry (-1 when none is selected).
    virtual void addItem(ControlId control, int position, std::u16string_view item) = 0;
    virtual int itemCount(ControlId control) const = 0;
    virtual int listIndex(ControlId control) const = 0;
    virtual void setListIndex(ControlId control, int index) = 0;
};

}  // namespace orvane::platform
