#pragma once

#include <string>

#include "platform/file_access.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// The system's own words for an error code, in the user's language, without the final line break.
std::u16string systemMessage(DWORD error);

// A failure for the error code: one of the program's own kinds for the common failures of a
// removable medium (write-protected, full, not ready ...), otherwise the system's own words.
FileError systemError(DWORD error);

}  // namespace orvane::platform::win32
