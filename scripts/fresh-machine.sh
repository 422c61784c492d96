#!/usr/bin/env bash
# scripts/fresh-machine.sh RELEASE [COMMAND...] (RELEASE bookworm or trixie): tries the
# README's two commands, or the commands named, as a new user would, on a clean minimal
# Debian of that release. Makes the root with
# debootstrap (an untouched base copy is kept in $TRAVOLK_FRESH_CACHE, /var/tmp/travolk-fresh
# by default, and every run starts from a fresh copy of it), clones the current commit into
# it, then runs there, as root and without a display, ./run.sh and ./test.sh (or the
# commands named). Prints one verdict line per command; exits non-zero if any fails. Keeps
# the Debian packages built there in build-fresh-RELEASE/. Needs root.
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

source "$(dirname "$0")/debian-root.sh"
root="$TRAVOLK_ROOTS_CACHE/$release-run"

prepare_root() {
    debian_root_new "$release" "$root"
    git clone -q "$TRAVOLK_ROOT" "$root/root/travolk"
    git -C "$root/root/travolk" checkout -q "$(git -C "$TRAVOLK_ROOT" rev-parse HEAD)"
}

in_root() {
    debian_root_run "$root" "$1"
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
    in_root "$1" 2>&1 | tee "$TRAVOLK_ROOTS_CACHE/$release-$name.log" || status=$?
    if [ "$status" = 0 ] && [ "$name" = run.sh ]; then
        check_run_results || status=1
    fi
    local verdict="passed"
    [ "$status" = 0 ] || { verdict="FAILED"; failed=1; }
    verdicts+=("$release: $1 $verdict in $(($(date +%s) - start)) s (log: $TRAVOLK_ROOTS_CACHE/$release-$name.log)")
}

travolk_install_packages git
trap 'debian_root_unmount "$root"' EXIT
trap 'exit 130' INT TERM
prepare_root
for command in "${commands[@]}"; do
    step "$command"
done
# the packages built there, for trying them elsewhere (another release, this machine)
rm -rf "$TRAVOLK_ROOT/build-fresh-$release"
mkdir -p "$TRAVOLK_ROOT/build-fresh-$release"
cp "$root"/root/travolk/build-package/*.deb "$TRAVOLK_ROOT/build-fresh-$release/" 2>/dev/null || true
debian_root_unmount "$root"
printf '%s\n' "${verdicts[@]}"
exit "$failed"
