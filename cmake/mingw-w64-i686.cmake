# 32-bit Windows (PE32, i386): the build that ships.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ORVANE_MINGW_TRIPLE i686-w64-mingw32)
set(ORVANE_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
