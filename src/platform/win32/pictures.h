#pragma once

#include "platform/form_design.h"
#include "platform/win32/windows_api.h"

namespace orvane::platform::win32 {

// The picture's icon from the program's resources at `size` x `size` pixels, or nothing for
// Picture::None. The caller destroys it (DestroyIcon).
HICON loadPicture(Picture picture, int size);

}  // namespace orvane::platform::win32
