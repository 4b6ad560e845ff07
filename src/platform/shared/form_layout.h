#pragma once

#include <span>
#include <vector>

#include "platform/form_design.h"

namespace orvane::platform {

// The control's place in the window's client area: a control inside a frame is placed from the
// frame's corner, so the frame's position is added to its own.
TwipRect rectInWindow(const FormDesign& design, ControlId control);

// The controls from the front to the back: the window's own by their stack place, each frame
// directly behind the controls it contains, so that they are drawn over it.
std::vector<ControlId> stackingOrder(const FormDesign& design);

// The controls Tab visits, by tab index; frames take no focus.
std::vector<ControlId> tabOrder(const FormDesign& design);

// The control after (or, going back, before) `current` in `order`, wrapping round at the ends; the
// first one when `current` is not in the order.
ControlId nextInTabOrder(std::span<const ControlId> order, ControlId current, bool forward);

}  // namespace orvane::platform
