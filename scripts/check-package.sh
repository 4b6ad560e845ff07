#!/bin/sh
# Checks the portable packages that scripts/package.sh makes, each where a technician would use it:
# - linux: on a fresh Debian 12 made with debootstrap in a temporary folder, with only the
#   runtime packages the README lists, the unpacked editor starts headless with a SETTINGS.TXT
#   beside it (needs root and access to deb.debian.org; takes a few minutes);
# - windows: the zip unpacked into a new folder, the editor starts from there under Wine with a
#   SETTINGS.TXT beside it, shows its window and leaves the file alone.
# Usage: scripts/check-package.sh [linux|windows]   (both when none is named)
set -eu
cd "$(dirname "$0")/.."
settings='JOB=Package check\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nLANGUAGE=2\r\n'

check_linux() {
    runtime="libqt6widgets6 fonts-dejavu-core"
    archive=$(ls build/orvane-pm-*.tar.gz)
    scripts/install-deps.sh debootstrap
    root=$(mktemp -d)
    trap 'umount "$root/proc" 2>/dev/null || true; rm -rf "$root"' EXIT
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
    cp /etc/resolv.conf "$root/etc/"
    mount -t proc proc "$root/proc"
    chroot "$root" sh -c "apt-get update && DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends $runtime"

    mkdir -p "$root/opt/pm"
    tar xzf "$archive" -C "$root/opt/pm"
    folder=$(basename "$archive" .tar.gz)
    printf "$settings" > "$root/opt/pm/$folder/SETTINGS.TXT"
    chroot "$root" sh -c "ldd /opt/pm/$folder/orvane-pm | grep 'not found'" && exit 1
    status=0
    chroot "$root" sh -c "QT_QPA_PLATFORM=offscreen timeout 3 /opt/pm/$folder/orvane-pm" ||
        status=$?
    # Still running when the time was up: it started and stayed up.
    [ "$status" -eq 124 ] || { echo "the editor ended with status $status"; exit 1; }
    umount "$root/proc"
    rm -rf "$root"
    trap - EXIT
    echo "the packaged editor runs on a fresh Debian 12 with: $runtime"
}

check_windows() {
    build=build-win32
    wine=/usr/lib/wine/wine
    if ! "$wine" --version > /dev/null 2>&1; then
        echo "This machine cannot run 32-bit programs: checking the same package made from the" \
            "64-bit build."
        build=build-win64
        wine=/usr/lib/wine/wine64
        scripts/build-windows.sh win64
        (cd "$build" && cpack)
    fi
    archive=$(ls "$build"/orvane-pm-*.zip)
    unzip -l "$archive"
    place=$(mktemp -d)
    trap 'rm -rf "$place"' EXIT
    unzip -q "$archive" -d "$place"
    folder="$place/$(basename "$archive" .zip)"
    printf "$settings" > "$folder/SETTINGS.TXT"
    scripts/wine-session.sh "$build" "$wine" \
        tests/app/start_editor_wine.sh "$wine" "$folder/orvane-pm.exe" --in-place
    rm -rf "$place"
    trap - EXIT
}

scripts/package.sh
case "${1:-both}" in
    linux) check_linux ;;
    windows) check_windows ;;
    both)
        check_linux
        check_windows
        ;;
    *)
        echo "usage: $0 [linux|windows]"
        exit 2
        ;;
esac
