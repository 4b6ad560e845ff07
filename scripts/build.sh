#!/bin/sh
# Configures and builds the editor and its tests in ./build.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR=ON
cmake --build build
