#!/bin/sh
# Checks that every include points down the layers, checks the formatting of every C++ file, and
# runs clang-tidy over the program's sources with the compile commands of ./build (scripts/build.sh
# makes them).
set -eu
cd "$(dirname "$0")/.."
scripts/check-layers.sh
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
run-clang-tidy -p build -quiet "$(pwd)/src/" > build/clang-tidy.log 2>&1 || {
    cat build/clang-tidy.log
    exit 1
}
echo "formatting and clang-tidy: clean"
