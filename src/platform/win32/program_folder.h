#pragma once

#include <optional>
#include <string>

namespace orvane::platform::win32 {

// The folder that holds the running program, from the executable's own path; nothing when the
// system does not tell it.
std::optional<std::u16string> programFolder();

}  // namespace orvane::platform::win32
