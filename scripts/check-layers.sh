#!/bin/sh
# Fails when a file under src/ includes a folder above its own layer. From the bottom:
#   platform (the interfaces a backend implements), platform/shared (what the backends compute the
#   same way), core, settings and i18n, ui, app.
# A folder may include its own files and those of the layers below it, never a sibling of its own
# layer. The backends, platform/qt and platform/win32, include only the interfaces, the shared code
# and themselves, and only their own folder includes them. platform/posix is the Linux backend's
# file access without Qt: it includes only the interfaces, the shared code and itself, and
# platform/qt may include it.
set -eu
cd "$(dirname "$0")/../src"

rank() {
    case $1 in
        platform/qt | platform/win32 | platform/posix) echo backend ;;
        platform) echo 0 ;;
        platform/shared) echo 1 ;;
        core) echo 2 ;;
        settings | i18n) echo 3 ;;
        ui) echo 4 ;;
        app) echo 5 ;;
        *) echo unknown ;;
    esac
}

allowed() {  # allowed FROM TO
    [ "$1" = "$2" ] && return 0
    [ "$1" = platform/qt ] && [ "$2" = platform/posix ] && return 0
    from=$(rank "$1")
    to=$(rank "$2")
    [ "$to" = backend ] && return 1
    [ "$from" = backend ] && { [ "$to" = 0 ] || [ "$to" = 1 ]; return; }
    [ "$from" = unknown ] || [ "$to" = unknown ] && return 1
    [ "$to" -lt "$from" ]
}

status=0
for file in $(find . -name '*.h' -o -name '*.cpp' -o -name '*.in' | sed 's#^\./##' | sort); do
    folder=$(dirname "$file")
    for included in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
        target=$(dirname "$included")
        if ! allowed "$folder" "$target"; then
            echo "src/$file includes $included: $target is not below $folder"
            status=1
        fi
    done
done
[ "$status" -eq 0 ] && echo "layers: every include points down"
exit "$status"
