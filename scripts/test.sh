#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite headless.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
ctest --test-dir build --output-on-failure
