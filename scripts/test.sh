#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite headless, then fuzzes
# the settings file reader for a short, bounded time.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev
scripts/build.sh
ctest --test-dir build --output-on-failure
scripts/fuzz.sh 20
