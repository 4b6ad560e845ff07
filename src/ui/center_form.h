#pragma once

#include "platform/window.h"

namespace orvane {

// Places the window in the middle of its screen.
void CenterForm(platform::Window& window);

}  // namespace orvane
