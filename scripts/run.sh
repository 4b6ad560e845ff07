#!/bin/sh
# Installs what is missing, builds the editor (only the editor, in ./build, reusing what is built)
# and starts it. The editor edits the SETTINGS.TXT beside its own program file, here
# build/src/SETTINGS.TXT.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh --optional qt6-translations-l10n
[ -f build/CMakeCache.txt ] || cmake --preset default
cmake --build --preset default --target orvane-pm
echo "Starting the editor; it edits $(pwd)/build/src/SETTINGS.TXT"
exec build/src/orvane-pm
