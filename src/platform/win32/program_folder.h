#pragma once

#include <string>

namespace orvane::platform::win32 {

// The folder that holds the running program, from the executable's own path.
std::u16string programFolder();

}  // namespace orvane::platform::win32
