#!/bin/sh
# The editor on the monitor's own medium: FAT32 images, filled with mtools as a monitor leaves them
# and used by the real kernel FAT driver in user-mode Linux (tests/fat/guest.sh). A power cut is
# the guest killed from the host; each medium is then checked on the host with fsck.vfat -n and
# read with mtools.
# - readme: the Linux archive's read-me followed on a medium mounted as desktops mount it, by the
#   technician (not root); the window saves, and the power is cut 1 s and 3 s after it closed. The
#   medium must hold exactly the saved seven lines, still hidden as before, and nothing else new.
# - saves: CUTS power cuts at random moments of a loop of saves through the editor's file layer.
#   After a reported save the file must be that generation, whole; a cut inside a save may leave
#   the generation before it, a temporary file and its space, nothing worse.
# - short-names: on a medium that keeps only 8.3 names the unpacked archive is whole, and the
#   editor started by its script saves there.
# Usage: tests/fat/fat-stage.sh BUILD [CUTS]   (BUILD holds fat_probe and the Linux archive;
# FAT_PARTS may name fewer parts than all three, FAT_PROBE and FAT_ARCHIVE other programs to try)
set -eu
export LC_ALL=C
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
cuts=${2:-20}
probe=${FAT_PROBE:-$build/tests/fat/fat_probe}
archive=${FAT_ARCHIVE:-$(ls "$build"/orvane-pm-*-Linux-*.tar.gz)}
technician=${FAT_TECHNICIAN:-1000}
# The guest's own /tmp hides the host's, and the technician may not enter the build's folder: what
# the guest runs is copied to a folder of its own that every user may read.
work=$(mktemp -d /var/tmp/orvane-fat.XXXXXX)
trap 'cp "$console" "$build/fat-console.log" 2> /dev/null; rm -rf "$work"' EXIT
boots=0
console=$work/console.0
chmod 755 "$work"
cp "$probe" "$work/fat_probe"
cp "$archive" "$work/orvane-pm.tar.gz"
cp "$here/../../scripts/close-and-save.sh" "$work/"
failures=0
passes=0

# As the monitor leaves it: German, Windows-1252, CR LF.
printf 'JOB=Caf\351 \231 4\r\nHIGH ALARM=80\r\nLOW ALARM=20\r\nGSM1=+4912345\r\nLANGUAGE=2\r\n' \
    > "$work/monitor"
# What the editor writes for it: seven lines, with the job description of JOB.
seven_lines() {
    printf '%s\r\nHIGH ALARM=%s\r\nLOW ALARM=20\r\nGSM1=+4912345\r\nGSM2=\r\nGSM3=\r\nLANGUAGE=2\r\n' \
        "$1" "${2:-80}"
}

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# pass DETAIL: counts and tells a check that has failed nothing since $mark was set.
pass() {
    if [ "$failures" -eq "$mark" ]; then
        passes=$((passes + 1))
        echo "$1"
    fi
}

# new_medium: a FAT32 image with SETTINGS.TXT and DATA, as $work/medium.
new_medium() {
    rm -f "$work/medium"
    truncate -s 64M "$work/medium"
    mkfs.vfat -F 32 "$work/medium" > /dev/null
    mcopy -i "$work/medium" "$work/monitor" ::/SETTINGS.TXT
    mmd -i "$work/medium" ::/DATA
}

# boot STEP: starts a guest on the medium for STEP; its console goes to a new file, $console.
boot() {
    boots=$((boots + 1))
    console=$work/console.$boots
    setsid linux mem=512M root=/dev/root rootfstype=hostfs rootflags=/ rw \
        init="$here/guest.sh" con=null con0=null,fd:1 ubd0="$work/medium" STEP="$1" \
        PROBE="$work/fat_probe" ARCHIVE="$work/orvane-pm.tar.gz" \
        CLOSE_AND_SAVE="$work/close-and-save.sh" USERID="$technician" \
        > "$console" 2>&1 &
    guest=$!
}

# await TEXT SECONDS: waits until the console shows TEXT; fails after SECONDS.
await() {
    tries=$(($2 * 20))
    until grep -q "$1" "$console" 2> /dev/null; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

# power_cut: the guest stops at once, whatever it has not yet written to the medium lost; it is
# gone, all of its processes, before anything reads the medium.
power_cut() {
    /bin/kill -KILL -- "-$guest" 2> /dev/null || true
    wait "$guest" 2> /dev/null || true
    tries=100
    while /bin/kill -0 -- "-$guest" 2> /dev/null && [ "$tries" -gt 0 ]; do
        tries=$((tries - 1))
        sleep 0.05
    done
}

# run STEP: a step after which the guest unmounts the medium and powers off by itself.
run() {
    boot "$1"
    await "step ended" 120 || fail "$1: the guest did not end its step"
    await "System halted" 30 || fail "$1: the guest did not power off"
    power_cut
}

# fsck_findings: what fsck.vfat -n finds on the medium beyond the marks of any power cut: the
# volume left "dirty" (and so unlike its boot sector's backup), and a stale count of free clusters,
# which FAT32 keeps only as a hint.
fsck_findings() {
    fsck.vfat -n "$work/medium" 2>&1 | grep -v -e '^fsck\.fat ' -e 'differences between boot sector' \
        -e 'mostly harmless' -e '^  65:01/00$' -e 'Not automatically fixing' -e 'Dirty bit' \
        -e 'removing dirty bit' -e '^$' -e 'Leaving filesystem unchanged' -e 'files, .* clusters$' \
        -e '^Free cluster summary wrong' -e '^  Auto-correcting\.$' || true
}

settings_bytes() { mtype -i "$work/medium" ::/SETTINGS.TXT; }
# The entries at the medium's top, hidden ones too.
entries() { mdir -a -b -i "$work/medium" ::/ | sed 's|^::/||' | sort | tr '\n' ' '; }

# expect_saved DETAIL BYTES-FILE: the medium holds just those bytes as SETTINGS.TXT, clean.
expect_saved() {
    settings_bytes > "$work/found" || true
    cmp -s "$work/found" "$2" || fail "$1: SETTINGS.TXT is not the saved file: $(od -c "$work/found" | head -n 3)"
    findings=$(fsck_findings)
    [ -z "$findings" ] || fail "$1: fsck.vfat -n finds: $findings"
}

readme() {
    for delay in 1 3; do
        mark=$failures
        new_medium
        mattrib -i "$work/medium" +h ::/SETTINGS.TXT
        boot readme
        if await "editor closed" 180; then
            sleep "$delay"
            power_cut
            seven_lines "$(printf 'JOB=Caf\351 \231 4')" > "$work/expected"
            expect_saved "read-me, power cut ${delay} s after closing" "$work/expected"
            mattrib -i "$work/medium" ::/SETTINGS.TXT | grep -q '^[^:]* H ' ||
                fail "read-me: SETTINGS.TXT lost its hidden attribute"
            left=$(entries)
            [ "$left" = "DATA/ SETTINGS.TXT orvane-help/ orvane-pm orvane-pm-README.txt orvane-pm.sh " ] ||
                fail "read-me: the medium holds $left"
            pass "read-me on the desktop's mount, power cut ${delay} s after the save: whole"
        else
            power_cut
            fail "read-me: the editor did not save and close: $(tail -n 5 "$console")"
        fi
    done
}

# One cut at a random moment of the loop of saves; counts it as after or inside a save.
cut_saves() {
    mark=$failures
    new_medium
    boot saves
    await "saved 1$" 60 || { power_cut; fail "saves: none reported: $(tail -n 3 "$console")"; return; }
    sleep "$(awk -v seed="$1$$" 'BEGIN { srand(seed); printf "%.3f", rand() * 3 }')"
    power_cut
    last=$(grep -a -E '^(saving|saved|failed) ' "$console" | tail -n 1)
    generation=${last##* }
    case $last in
        failed*) fail "saves: $last"; return ;;
        saving*) inside=$((inside + 1)); reported=$((generation - 1)) ;;
        *) after=$((after + 1)); reported=$generation ;;
    esac
    settings_bytes > "$work/found" || true
    seven_lines "JOB=Generation $reported" > "$work/expected"
    if ! cmp -s "$work/found" "$work/expected"; then
        seven_lines "JOB=Generation $generation" > "$work/expected"
        case $last in saving*) cmp -s "$work/found" "$work/expected" ;; *) false ;; esac ||
            fail "saves: after \"$last\" SETTINGS.TXT holds: $(od -c "$work/found" | head -n 2)"
    fi
    # A cut inside a save may leave the temporary file, and space that no file holds.
    findings=$(fsck_findings)
    case $last in
        saving*) findings=$(echo "$findings" | grep -v -e '^/PM[0-9A-F]*\.TMP$' -e '^  ' \
            -e 'Reclaimed [0-9]* unused cluster' -e 'Free cluster summary wrong' || true) ;;
    esac
    [ -z "$findings" ] || fail "saves: after \"$last\" fsck.vfat -n finds: $findings"
    passes=$((passes + (failures == mark)))
}

saves() {
    inside=0
    after=0
    before=$passes
    for cut in $(seq 1 "$cuts"); do
        cut_saves "$cut"
    done
    echo "power cuts in a loop of saves: $cuts, $after after a reported save, $inside inside a" \
        "save, $((cuts - (passes - before))) with the file lost or damaged"
}

short_names() {
    mark=$failures
    new_medium
    run short-names
    grep -q '^unpacked$' "$console" || fail "short names: the archive was not unpacked"
    grep -q '^closed$' "$console" || fail "short names: the editor did not save and close"
    ! grep '^lost: ' "$console" || fail "short names: the unpacked archive lost files"
    seven_lines "$(printf 'JOB=Caf\351 \231 4')" > "$work/expected"
    expect_saved "short names" "$work/expected"
    pass "8.3 names only: the archive unpacked whole, and the editor saved"
}

for part in ${FAT_PARTS:-readme saves short_names}; do
    "$part"
done
echo "FAT stage: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
