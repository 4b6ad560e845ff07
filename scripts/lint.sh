#!/bin/sh
# Checks that every include points down the layers, checks the formatting of every C++ file, and
# runs clang-tidy over the program's sources with the compile commands of ./build (scripts/build.sh
# makes them).
set -eu
cd "$(dirname "$0")/.."
scripts/check-layers.sh
formatted=$(git ls-files '*.cpp' '*.h' | wc -l)
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
tidied=$(grep -c "\"file\": \"$(pwd)/src/" build/compile_commands.json || true)
run-clang-tidy -p build -quiet "$(pwd)/src/" > build/clang-tidy.log 2>&1 || {
    cat build/clang-tidy.log
    exit 1
}
echo "lint: layers kept, $formatted files formatted, $tidied files clean under clang-tidy"
