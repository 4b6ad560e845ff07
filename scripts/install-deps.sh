#!/bin/sh
# Installs, from Debian's packages, whatever the build and the tests need and the machine lacks:
# as root directly, otherwise through sudo where there is one; with neither it says which command
# to run as root. Packages named after --optional only improve the run: when they cannot be
# installed, it warns and goes on.
# Usage: scripts/install-deps.sh [--optional "PACKAGE..."] [PACKAGE...]
set -eu
optional=""
if [ "${1:-}" = "--optional" ]; then
    optional=$2
    shift 2
fi
packages="cmake ninja-build g++ python3 qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core qt6-translations-l10n googletest $*"
for package in $optional; do
    case " $packages " in
        *" $package "*) ;;
        *) packages="$packages $package" ;;
    esac
done

missing=""
missing_optional=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q "ok installed"; then
        case " $optional " in
            *" $package "*) missing_optional="$missing_optional $package" ;;
            *) missing="$missing $package" ;;
        esac
    fi
done
[ -n "$missing$missing_optional" ] || exit 0

# give_up: says what to run as root; stops only when something needed is missing.
give_up() {
    echo "Missing packages:$missing$missing_optional. Install them as root with:"
    echo "    apt-get install --no-install-recommends$missing$missing_optional"
    [ -z "$missing" ] || exit 1
    echo "Going on: the editor runs without$missing_optional."
    exit 0
}

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo > /dev/null 2>&1; then
    as_root="sudo"
else
    give_up
fi
echo "Installing:$missing$missing_optional"
$as_root apt-get update || give_up
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    $missing $missing_optional || give_up
