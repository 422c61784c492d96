#!/usr/bin/env bash
# scripts/fresh-machine.sh RELEASE [COMMAND...] (RELEASE bookworm or trixie): tries the
# README's two commands, or the commands named, as a new user would, on a clean minimal
# Debian of that release. Makes the root with
# debootstrap (an untouched base copy is kept in $TRAVOLK_FRESH_CACHE, /var/tmp/travolk-fresh
# by default, and every run starts from a fresh copy of it), clones the current commit into
# it, then runs there, as root and without a display, ./run.sh and ./test.sh (or the
# commands named). Prints one verdict line per command; exits non-zero if any fails.
# Needs root.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

release=${1:-}
case "$release" in
bookworm | trixie) ;;
*)
    echo "Usage: $0 bookworm|trixie [COMMAND...]" >&2
    exit 2
    ;;
esac
shift
commands=("$@")
[ ${#commands[@]} -gt 0 ] || commands=(./run.sh ./test.sh)
[ "$(id -u)" -eq 0 ] || { echo "scripts/fresh-machine.sh needs root (debootstrap, chroot, mounts)" >&2; exit 2; }

cache=${TRAVOLK_FRESH_CACHE:-/var/tmp/travolk-fresh}
base="$cache/$release-base"
root="$cache/$release-run"
# a base older than this is made again, so the fresh machine is not months behind its release
base_days=14

# Debian's mirror as this machine's own package sources name it, unless TRAVOLK_MIRROR says.
debian_mirror() {
    if [ -n "${TRAVOLK_MIRROR:-}" ]; then
        echo "$TRAVOLK_MIRROR"
        return
    fi
    { cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null || true; } |
        awk '/^URIs:/ && $2 !~ /security/ {print $2; exit} /^deb / && $2 !~ /security/ {print $2; exit}'
}

# apt's own helper fetches one file; every Debian machine has it
mirror_reachable() {
    local release_file status=0
    release_file=$(mktemp)
    timeout 20 /usr/lib/apt/apt-helper download-file "$1/dists/$release/Release" "$release_file" >/dev/null 2>&1 || status=$?
    rm -f "$release_file"
    return "$status"
}

make_base() {
    if [ -d "$base" ] && [ -z "$(find "$base" -maxdepth 0 -mtime +"$base_days")" ]; then
        return 0
    fi
    echo "Making a minimal $release root with debootstrap"
    rm -rf "$base" "$base.partial"
    mkdir -p "$cache"
    debootstrap --variant=minbase "$release" "$base.partial" "$mirror" >"$cache/$release-debootstrap.log" 2>&1 ||
        { echo "debootstrap failed; see $cache/$release-debootstrap.log"; return 1; }
    mv "$base.partial" "$base"
}

unmount_all() {
    local mounts
    mounts=$(awk -v r="$root/" 'index($2, r) == 1 {print $2}' /proc/self/mounts | sort -r)
    for mount in $mounts; do
        umount "$mount" 2>/dev/null || umount -l "$mount"
    done
}

prepare_root() {
    unmount_all
    rm -rf "$root"
    cp -a "$base" "$root"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    git clone -q "$TRAVOLK_ROOT" "$root/root/travolk"
    git -C "$root/root/travolk" checkout -q "$(git -C "$TRAVOLK_ROOT" rev-parse HEAD)"
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --make-rslave "$root/dev"
}

# in_root COMMAND: runs COMMAND in the clone inside the root, as a new root login would
in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /root/travolk && $1"
}

# what a player's ./run.sh must leave behind, and must not have installed
check_run_results() {
    local build="$root/root/travolk/build"
    [ -s "$build/screenshot.png" ] || { echo "run.sh left no screenshot"; return 1; }
    grep -qx "Game initialization successful" "$build/travolk.log" || { echo "run.sh's log has no successful start"; return 1; }
    local package
    for package in clang libgtest-dev libbenchmark-dev; do
        if in_root "dpkg -s $package" >/dev/null 2>&1; then
            echo "run.sh installed $package, which only the tests need"
            return 1
        fi
    done
}

# step COMMAND: runs COMMAND in the root and records a verdict line with its time
verdicts=()
failed=0
step() {
    local start status=0 name
    name=$(basename "$1")
    start=$(date +%s)
    echo "=== $release: $1"
    in_root "$1" 2>&1 | tee "$cache/$release-$name.log" || status=$?
    if [ "$status" = 0 ] && [ "$name" = run.sh ]; then
        check_run_results || status=1
    fi
    local verdict="passed"
    [ "$status" = 0 ] || { verdict="FAILED"; failed=1; }
    verdicts+=("$release: $1 $verdict in $(($(date +%s) - start)) s (log: $cache/$release-$name.log)")
}

mirror=$(debian_mirror)
[ -n "$mirror" ] || { echo "No Debian mirror in this machine's package sources; set TRAVOLK_MIRROR"; exit 1; }
mirror_reachable "$mirror" || { echo "Debian's package mirror $mirror cannot be reached: no fresh $release machine"; exit 1; }
travolk_install_packages debootstrap git
make_base
trap unmount_all EXIT
trap 'exit 130' INT TERM
prepare_root
for command in "${commands[@]}"; do
    step "$command"
done
unmount_all
printf '%s\n' "${verdicts[@]}"
exit "$failed"
