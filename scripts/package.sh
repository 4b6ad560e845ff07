#!/bin/sh
# Installs what is missing, builds the editor for Linux and for 32-bit Windows, and packs each
# into a portable archive with the README, the licence and the technicians' page:
# build/orvane-pm-<version>-Linux-x86_64.tar.gz and build-win32/orvane-pm-<version>-Windows-x86.zip.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
(cd build && cpack)
scripts/build-windows.sh win32
(cd build-win32 && cpack)
