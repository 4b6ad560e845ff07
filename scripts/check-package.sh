#!/bin/sh
# Checks the portable package on a fresh Debian 12: builds it with scripts/package.sh, makes a
# minimal system with debootstrap in a temporary folder, installs only the runtime packages the
# README lists, unpacks the archive there and starts the editor headless with a SETTINGS.TXT
# beside it.
# Needs root and access to deb.debian.org; takes a few minutes.
set -eu
cd "$(dirname "$0")/.."
runtime="libqt6widgets6 fonts-dejavu-core"
scripts/package.sh
archive=$(ls build/orvane-pm-*.tar.gz)
scripts/install-deps.sh debootstrap

root=$(mktemp -d)
cleanup() {
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
cp /etc/resolv.conf "$root/etc/"
mount -t proc proc "$root/proc"
chroot "$root" sh -c "apt-get update && DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends $runtime"

mkdir -p "$root/opt/pm"
tar xzf "$archive" -C "$root/opt/pm"
folder=$(basename "$archive" .tar.gz)
printf 'JOB=Package check\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nLANGUAGE=2\r\n' \
    > "$root/opt/pm/$folder/SETTINGS.TXT"
chroot "$root" sh -c "ldd /opt/pm/$folder/orvane-pm | grep 'not found'" && exit 1
status=0
chroot "$root" sh -c "QT_QPA_PLATFORM=offscreen timeout 3 /opt/pm/$folder/orvane-pm" || status=$?
# Still running when the time was up: it started and stayed up.
[ "$status" -eq 124 ] || { echo "the editor ended with status $status"; exit 1; }
echo "the packaged editor runs on a fresh Debian 12 with: $runtime"
