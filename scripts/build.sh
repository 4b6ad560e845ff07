#!/bin/sh
# Configures and builds the editor and its tests in ./build (the "default" preset).
set -eu
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default
