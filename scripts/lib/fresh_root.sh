# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# A fresh, minimal Debian root for proving what a new user or a distribution
# does: made with debootstrap (minbase: not even git) from this machine's
# Debian mirror, entered with chroot as a fresh login would. Sourced, not run;
# needs root.

# This machine's Debian mirror, from its apt sources (one-line or deb822).
debian_mirror() {
    local mirror
    mirror=$({ cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null ||
        true; } |
        grep -oE '^(deb|URIs:)[[:space:]]+(\[[^]]*\][[:space:]]+)?[a-z]+://[^[:space:]]+/debian/?([[:space:]]|$)' |
        grep -oE '[a-z]+://[^[:space:]]+' | head -n 1 || true)
    echo "${mirror:-http://deb.debian.org/debian}"
}

root_mounts=()

# remove_root DIR: removes a root that an earlier run left, once whatever
# that run left mounted in it (this machine's /dev, say) is unmounted.
remove_root() {
    local target
    findmnt -rn -o TARGET | { grep -E "^$1(/|$)" || true; } | sort -r | while read -r target; do
        umount -l "$target" || true
    done
    rm -rf --one-file-system "$1"
}

# make_root SUITE ROOT: makes ROOT anew, with apt's sources for SUITE, its
# updates and its security fixes.
make_root() {
    local suite=$1 mirror
    root=$2
    mirror=$(debian_mirror)
    remove_root "$root"
    mkdir -p "$root"
    echo "== debootstrap $suite from $mirror"
    timeout 240 debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
        { tail -20 "$root.debootstrap.log"; return 1; }
    cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror $suite main
deb $mirror $suite-updates main
deb ${mirror%/debian*}/debian-security $suite-security main
SOURCES
    cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
}

# mount_root [DIR...]: mounts this machine's /proc, /sys, /dev and the DIRs
# in the root, which is made a mount point of its own, so that tests inside
# can make private mount namespaces. unmount_root takes them away.
mount_root() {
    local dir
    mount --bind "$root" "$root"
    root_mounts+=("$root")
    for dir in proc sys dev dev/pts "$@"; do
        mkdir -p "/$dir" "$root/$dir"
        mount --bind "/$dir" "$root/$dir"
        root_mounts+=("$root/$dir")
    done
}

unmount_root() {
    local k
    for ((k = ${#root_mounts[@]} - 1; k >= 0; k--)); do umount -l "${root_mounts[k]}" 2>/dev/null || true; done
    root_mounts=()
}

# clone_into ROOT-PATH: a clean clone of the committed tree, at /ROOT-PATH in the root.
clone_into() {
    git clone --quiet --no-hardlinks "file://$PWD" "$root/$1"
}

# inside [FOLDER] COMMAND: runs the command in the root as root, from FOLDER
# (/root/ombrix by default), with a fresh login's environment and no locale.
inside() {
    local folder=/root/ombrix
    (($# > 1)) && { folder=$1; shift; }
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        TERM=dumb ${DISPLAY:+DISPLAY="$DISPLAY"} bash -c "cd $folder && $1"
}

# run_inside NAME LIMIT FOLDER COMMAND: runs the command inside the root
# under a time limit, logs it to ROOT.NAME.log and prints how long it took;
# on failure, the log's end, and the script stops.
run_inside() {
    local name=$1 limit=$2 folder=$3 command=$4 start=$SECONDS
    if ! timeout "$limit" bash -c "$(declare -f inside); root=${root@Q}; inside ${folder@Q} ${command@Q}" \
        >"$root.$name.log" 2>&1; then
        tail -60 "$root.$name.log"
        echo "$suite: $name failed"
        exit 1
    fi
    echo "$suite: $name passed in $((SECONDS - start)) s"
}
