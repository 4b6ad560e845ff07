#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite headless; then the
# same suite under AddressSanitizer and UndefinedBehaviorSanitizer with a short, bounded fuzzing
# run of the settings file reader, and the formatting and clang-tidy checks.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev clang-format clang-tidy
scripts/build.sh
ctest --test-dir build --output-on-failure
scripts/sanitize.sh 20
scripts/lint.sh
