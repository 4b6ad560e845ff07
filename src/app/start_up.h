#pragma once

#include <memory>

#include "platform/toolkit.h"
#include "ui/form1.h"

namespace orvane {

// Brings up the editor window, filled from SETTINGS.TXT and labelled in its language. The program
// lives as long as the returned window.
std::unique_ptr<Form1> Main(const platform::Services& services);

}  // namespace orvane
