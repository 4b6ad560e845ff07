#!/bin/sh
# Installs what is missing and runs the file layer on the real kernel FAT driver, in user-mode
# Linux (tests/fat/fat-stage.sh): power cuts after and during saves, the Linux archive's read-me
# on a medium mounted as Linux desktops mount it, and a medium that keeps only short (8.3) names.
# Needs the default build (scripts/build.sh), whose archive it makes.
# Usage: scripts/test-fat.sh [CUTS]   (the power cuts in the loop of saves; 20 unless given)
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh user-mode-linux kmod dosfstools mtools xvfb xauth openbox xdotool \
    x11-utils util-linux
cmake --build --preset default --target fat_probe
(cd build && cpack > /dev/null)
timeout 1800 tests/fat/fat-stage.sh build "${1:-20}"
