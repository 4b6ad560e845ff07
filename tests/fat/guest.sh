#!/bin/sh
# The first process of a user-mode Linux guest that tests/fat/fat-stage.sh boots on the host's own
# root (hostfs): gives the guest its own /proc, /sys, /tmp and /run, loads the kernel's FAT driver,
# mounts the medium (/dev/ubda) at /tmp/medium and runs one STEP. What it prints reaches the host
# on the console, which the host reads; a step the host does not cut short powers the guest off.
# The kernel's command line gives STEP, PROBE (the fat_probe program), ARCHIVE (the Linux archive),
# CLOSE_AND_SAVE (scripts/close-and-save.sh) and USERID (the technician's user and group).
export PATH=/usr/sbin:/usr/bin:/sbin:/bin
stty -onlcr 2> /dev/null  # lines end in LF alone on the host too
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t tmpfs tmp /tmp
mount -t tmpfs run /run
modules=/usr/lib/uml/modules/$(uname -r)/kernel/fs
for module in fat/fat fat/vfat fat/msdos nls/nls_cp437 nls/nls_iso8859-1; do
    insmod "$modules/$module.ko"
done
medium=/tmp/medium
mkdir -p "$medium"
mkdir -m 700 /tmp/home
chown "$USERID:$USERID" /tmp/home
# As a Linux desktop mounts a removable FAT medium (udisks2's options), for the technician.
desktop="uid=$USERID,gid=$USERID,shortname=mixed,utf8=1,showexec,flush,nosuid,nodev"

as_technician() {
    setpriv --reuid="$USERID" --regid="$USERID" --clear-groups \
        env HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/home LANG=C.UTF-8 "$@"
}

# in_x_session COMMAND...: runs the command as the technician on an Xvfb with openbox. In the
# guest openbox may sleep through a window's request to be shown until the next event comes, so
# the root window gets a property change every few tenths of a second.
in_x_session() {
    mkdir -m 1777 /tmp/.X11-unix
    as_technician Xvfb :1 -screen 0 1024x768x24 -nolisten tcp -noreset > /dev/null 2>&1 &
    export DISPLAY=:1
    # The socket comes before the server takes connections, and a window manager started in
    # between gives up at once: the server is asked until it answers. It must not reset when that
    # first client leaves: in the guest a reset may leave no server at all.
    until xprop -root > /dev/null 2>&1; do sleep 0.1; done
    as_technician openbox > /dev/null 2>&1 &
    while sleep 0.3; do xprop -root -f _ORVANE_WAKE 32c -set _ORVANE_WAKE 1; done &
    until xprop -root _NET_SUPPORTED | grep -q _NET_ACTIVE_WINDOW; do sleep 0.2; done
    as_technician "$@"
}

# The Linux archive's read-me, followed in a terminal on the medium: unpack, then start.
readme() {
    mount -t vfat -o "$desktop" /dev/ubda "$medium" || return 1
    cd "$medium" || return 1
    as_technician tar -xzf "$ARCHIVE" || return 1
    # The medium lets no program run: started directly, the editor is refused.
    if as_technician ./orvane-pm 2> /dev/null; then
        echo "the editor ran straight from the medium, which should not let it"
        return 1
    fi
    in_x_session sh "$CLOSE_AND_SAVE" sh orvane-pm.sh || return 1
    echo "editor closed"
    sleep 60
}

case $STEP in
    saves)
        mount -t vfat -o "$desktop" /dev/ubda "$medium" && as_technician "$PROBE" "$medium"
        ;;
    readme) readme ;;
    short-names)
        mount -t msdos -o "uid=$USERID,gid=$USERID" /dev/ubda "$medium" && cd "$medium" &&
            as_technician tar -xzf "$ARCHIVE" && echo "unpacked"
        # Every file of the archive still there with its own bytes, none taken over by another.
        tar -tzf "$ARCHIVE" | while read -r name; do
            [ -d "$name" ] || tar -xzOf "$ARCHIVE" "$name" | cmp -s - "$name" || echo "lost: $name"
        done
        in_x_session sh "$CLOSE_AND_SAVE" sh orvane-pm.sh && echo "closed"
        ;;
esac
echo "step ended with status $?"
cd /
umount "$medium"
poweroff -f
