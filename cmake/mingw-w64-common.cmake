# Shared by the MinGW-w64 cross toolchains: a Windows target built on Debian, linked statically so
# that the program is one file, with the host's Wine to run what is built (tests included).
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: GCC's C++20 thread support (std::thread, std::mutex) needs it.
set(CMAKE_C_COMPILER ${ORVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(ORVANE_WINE NAMES ${ORVANE_WINE_LOADER} PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ORVANE_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANE_WINE})
endif()
