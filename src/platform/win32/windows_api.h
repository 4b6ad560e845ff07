#pragma once

// The one place that includes <windows.h>, with the settings every file of this backend shares:
// the wide-character (W) functions, no min/max macros, and Windows 7 as the oldest target.

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <windows.h>
