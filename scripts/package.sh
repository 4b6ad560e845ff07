#!/bin/sh
# Installs what is missing, builds the editor and packs it into a portable .tar.gz in ./build.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
cpack
