#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite headless: the suite
# built with GCC; the same suite under AddressSanitizer and UndefinedBehaviorSanitizer with a
# short, bounded fuzzing run of the settings file reader; the formatting and clang-tidy checks;
# and the Windows build with its tests under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev clang-format clang-tidy
scripts/build.sh
ctest --preset default
scripts/sanitize.sh 20
scripts/lint.sh
scripts/test-windows.sh
