#pragma once

#include "platform/file_access.h"

namespace orvane::platform::posix {

// A failure told in the system's own words for the error number (strerror), in the language of
// the user's locale.
FileError systemError(int error);

}  // namespace orvane::platform::posix
