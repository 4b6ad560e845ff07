#!/bin/sh
# Checks the portable packages that scripts/package.sh makes the way their read-me tells a
# technician to use them: unpacked straight into a folder that already holds SETTINGS.TXT and DATA,
# the editor started from there, closed with Yes to the closing question. The file must then hold
# the values it held (so the window showed them) in the editor's own seven lines (so the save
# landed in that same file), and no other SETTINGS.TXT may have appeared.
# - linux: on a fresh Debian 12 made with debootstrap in a temporary folder, with only the
#   runtime packages the README lists, the window shown on an Xvfb of this machine (needs root
#   and access to deb.debian.org; takes a few minutes); `cmake --install` must give the same
#   files as the archive;
# - windows: the zip, under Wine.
# Usage: scripts/check-package.sh [linux|windows]   (both when none is named)
set -eu
cd "$(dirname "$0")/.."
settings='JOB=Package check\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+4912345\r\nLANGUAGE=2\r\n'
saved='JOB=Package check\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+4912345\r\nGSM2=\r\nGSM3=\r\nLANGUAGE=2\r\n'

# monitor_folder FOLDER: the folder the archive is unpacked into, as a technician finds it.
monitor_folder() {
    mkdir -p "$1/DATA"
    printf "$settings" > "$1/SETTINGS.TXT"
}

# expect_saved FOLDER: the save went into FOLDER/SETTINGS.TXT, with the values it held before.
expect_saved() {
    if ! printf "$saved" | cmp "$1/SETTINGS.TXT" -; then
        echo "SETTINGS.TXT beside the unpacked editor was not saved with its own values; it holds:"
        od -c "$1/SETTINGS.TXT"
        exit 1
    fi
    others=$(find "$1" -name SETTINGS.TXT ! -path "$1/SETTINGS.TXT")
    [ -z "$others" ] || { echo "the editor made another SETTINGS.TXT: $others"; exit 1; }
}

# in_x_session COMMAND...: runs the command on a new Xvfb of this machine with openbox, the X
# socket also reachable from the chroot ROOT.
in_x_session() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$root.display" 2> /dev/null &
    xvfb=$!
    while [ ! -s "$root.display" ]; do sleep 0.1; done
    mkdir -p "$root/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    DISPLAY=":$(cat "$root.display")"
    export DISPLAY
    openbox > /dev/null 2>&1 &
    manager=$!
    sleep 1
    status=0
    "$@" || status=$?
    kill "$manager" "$xvfb"
    umount "$root/tmp/.X11-unix"
    return "$status"
}

check_linux() {
    runtime="libqt6widgets6 fonts-dejavu-core"
    archive=$(ls build/orvane-pm-*.tar.gz)
    scripts/install-deps.sh debootstrap xvfb openbox xdotool

    # cmake --install gives the archive's files, the program stripped alike.
    installed=$(mktemp -d)
    cmake --install build --prefix "$installed" > /dev/null
    (cd "$installed" && find . -type f | sed 's|^\./||' | sort) > "$installed.list"
    tar tzf "$archive" | grep -v '/$' | sort | diff "$installed.list" - ||
        { echo "cmake --install and the archive hold different files"; exit 1; }
    tar xzOf "$archive" orvane-pm | cmp - "$installed/orvane-pm" ||
        { echo "cmake --install gives another program than the archive"; exit 1; }
    rm -rf "$installed" "$installed.list"

    root=$(mktemp -d)
    trap 'umount "$root/tmp/.X11-unix" "$root/proc" 2> /dev/null || true
          rm -rf --one-file-system "$root" "$root.display"' EXIT
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
    cp /etc/resolv.conf "$root/etc/"
    mount -t proc proc "$root/proc"
    chroot "$root" sh -c "apt-get update && DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends $runtime"

    folder=/media/monitor
    monitor_folder "$root$folder"
    tar xzf "$archive" -C "$root$folder"
    chroot "$root" sh -c "ldd $folder/orvane-pm | grep 'not found'" && exit 1
    in_x_session scripts/close-and-save.sh chroot "$root" sh -c "cd $folder && exec sh orvane-pm.sh"
    expect_saved "$root$folder"
    umount "$root/proc"
    rm -rf --one-file-system "$root" "$root.display"
    trap - EXIT
    echo "unpacked on a fresh Debian 12 with $runtime, the editor saved the file beside it"
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
    monitor_folder "$place"
    unzip -q "$archive" -d "$place"
    scripts/wine-session.sh "$build" "$wine" \
        scripts/close-and-save.sh sh -c "cd '$place' && exec \"\$WINE\" orvane-pm.exe"
    expect_saved "$place"
    rm -rf "$place"
    trap - EXIT
    echo "unpacked beside SETTINGS.TXT, the Windows editor saved the file beside it"
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
