#!/bin/sh
# Installs, from Debian's packages, whatever the build and the tests need and the machine lacks.
set -eu

packages="cmake ninja-build g++ python3 qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core qt6-translations-l10n googletest $*"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
