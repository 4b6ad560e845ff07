#pragma once

#include "platform/file_access.h"

namespace orvane::platform::posix {

// A failure for the error number: one of the program's own kinds for the common failures of a
// removable medium (read-only, full, removed ...), otherwise the system's words (strerror) in the
// language of the user's locale.
FileError systemError(int error);

}  // namespace orvane::platform::posix
