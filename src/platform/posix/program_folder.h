#pragma once

#include <optional>
#include <string>

namespace orvane::platform::posix {

// The folder that holds the running program, as the system names it (see platform/paths.h), so
// that it is found whatever bytes its name holds; nothing when the system does not tell.
std::optional<std::u16string> programFolder();

}  // namespace orvane::platform::posix
