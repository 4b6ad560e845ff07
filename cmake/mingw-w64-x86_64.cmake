# 64-bit Windows (PE32+): the same program for machines whose Wine can only run 64-bit code.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ORVANE_MINGW_TRIPLE x86_64-w64-mingw32)
set(ORVANE_WINE_LOADER wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
