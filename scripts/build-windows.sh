#!/bin/sh
# Installs what the Windows build needs and the machine lacks (MinGW-w64, Wine, and Xvfb with a
# window manager for its tests), then cross-builds the given presets: win32, the 32-bit program
# that ships, and win64, the same sources for machines whose Wine runs only 64-bit code.
set -eu
cd "$(dirname "$0")/.."
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    apt-get update
fi
scripts/install-deps.sh python3 googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
    wine wine32:i386 wine64 fonts-wine xvfb xauth openbox xdotool unzip locales
# Wine takes the ANSI code page from LANG: the settings file tests also run with these.
for locale in pl_PL ru_RU; do
    locale -a | grep -qx "$locale.utf8" || localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
done
for preset in "$@"; do
    cmake --preset "$preset"
    cmake --build --preset "$preset"
done
