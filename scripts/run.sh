#!/bin/sh
# Installs what is missing, builds the editor and starts it. The editor edits the SETTINGS.TXT
# beside its own program file, here build/src/SETTINGS.TXT.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
echo "Starting the editor; it edits $(pwd)/build/src/SETTINGS.TXT"
exec build/src/orvane-pm
