#pragma once

// The program's Win32 resources, shared by the resource script and the code. The window's icon
// comes first, so that the file browser shows it for the program.
#define ORVANE_ICON_MONITOR 1
#define ORVANE_ICON_DATA_FOLDER 2
#define ORVANE_ICON_PRODUCT_PAGE 3
