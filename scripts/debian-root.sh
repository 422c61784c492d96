#!/usr/bin/env bash
# Clean minimal Debian roots of a given release, for the fresh-machine check and for
# building the package on the oldest release it installs on. Sourced; needs root. An
# untouched base per release, made with debootstrap, is kept in $TRAVOLK_FRESH_CACHE
# (/var/tmp/travolk-fresh by default); every root starts as a fresh copy of it.
set -euo pipefail

TRAVOLK_ROOTS_CACHE=${TRAVOLK_FRESH_CACHE:-/var/tmp/travolk-fresh}
# a base older than this is made again, so a root is not months behind its release
TRAVOLK_BASE_DAYS=14

# Debian's mirror as this machine's own package sources name it, unless TRAVOLK_MIRROR says.
debian_mirror() {
    if [ -n "${TRAVOLK_MIRROR:-}" ]; then
        echo "$TRAVOLK_MIRROR"
        return
    fi
    { cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null || true; } |
        awk '/^URIs:/ && $2 !~ /security/ {print $2; exit} /^deb / && $2 !~ /security/ {print $2; exit}'
}

# mirror_reachable MIRROR RELEASE: apt's own helper fetches one file; every Debian has it
mirror_reachable() {
    local release_file status=0
    release_file=$(mktemp)
    timeout 20 /usr/lib/apt/apt-helper download-file "$1/dists/$2/Release" "$release_file" >/dev/null 2>&1 || status=$?
    rm -f "$release_file"
    return "$status"
}

# debian_base RELEASE: prints the folder of the release's untouched base, made if missing or old
debian_base() {
    local release=$1 mirror
    local base="$TRAVOLK_ROOTS_CACHE/$release-base"
    if [ -d "$base" ] && [ -z "$(find "$base" -maxdepth 0 -mtime +"$TRAVOLK_BASE_DAYS")" ]; then
        echo "$base"
        return 0
    fi
    mirror=$(debian_mirror)
    [ -n "$mirror" ] || { echo "No Debian mirror in this machine's package sources; set TRAVOLK_MIRROR" >&2; return 1; }
    mirror_reachable "$mirror" "$release" ||
        { echo "Debian's package mirror $mirror cannot be reached: no $release root" >&2; return 1; }
    travolk_install_packages debootstrap >&2
    echo "Making a minimal $release root with debootstrap" >&2
    rm -rf "$base" "$base.partial"
    mkdir -p "$TRAVOLK_ROOTS_CACHE"
    debootstrap --variant=minbase "$release" "$base.partial" "$mirror" >"$TRAVOLK_ROOTS_CACHE/$release-debootstrap.log" 2>&1 ||
        { echo "debootstrap failed; see $TRAVOLK_ROOTS_CACHE/$release-debootstrap.log" >&2; return 1; }
    mv "$base.partial" "$base"
    echo "$base"
}

# debian_root_unmount ROOT: undoes what debian_root_new mounted
debian_root_unmount() {
    local mounts
    mounts=$(awk -v r="$1/" 'index($2, r) == 1 {print $2}' /proc/self/mounts | sort -r)
    for mount in $mounts; do
        umount "$mount" 2>/dev/null || umount -l "$mount"
    done
}

# debian_root_new RELEASE ROOT: ROOT becomes a fresh copy of the release's base, ready to
# run commands in (name resolution, certificate authorities, /proc, /sys and /dev)
debian_root_new() {
    local base
    base=$(debian_base "$1")
    debian_root_unmount "$2"
    rm -rf "$2"
    cp -a "$base" "$2"
    cp /etc/resolv.conf "$2/etc/resolv.conf"
    # the certificate authorities this machine adds to Debian's: its network may need them
    # to reach the package registries (Debian's ca-certificates takes them in when installed)
    if [ -d /usr/local/share/ca-certificates ]; then
        mkdir -p "$2/usr/local/share/ca-certificates"
        cp -a /usr/local/share/ca-certificates/. "$2/usr/local/share/ca-certificates/"
    fi
    mount -t proc proc "$2/proc"
    mount -t sysfs sysfs "$2/sys"
    mount --rbind /dev "$2/dev"
    mount --make-rslave "$2/dev"
}

# debian_root_remove ROOT: unmounts ROOT and removes it
debian_root_remove() {
    debian_root_unmount "$1"
    rm -rf "$1"
}

# debian_root_run ROOT COMMAND: runs COMMAND in /root/travolk inside ROOT, as a new root
# login would
debian_root_run() {
    chroot "$1" /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /root/travolk && $2"
}
