#!/usr/bin/env bash
# scripts/package.sh: builds the Debian source and binary packages of the tree as it is here,
# the way Debian builds them, and tests them the way Debian tests them, for the release this
# machine runs. Each step has a clean root of that release of its own, made with debootstrap
# beside the fresh-machine roots (so it needs root):
#   1. dpkg-buildpackage builds the source and binary packages, running the tests that need
#      no display; lintian --pedantic then finds no tag in the .changes (see check_lintian);
#   2. autopkgtest runs debian/tests against the built package (see run_autopkgtest);
#   3. piuparts installs the package, upgrades to it from the previous build, and purges it.
# The packages, the build's log and the tests' results land in build-package/. Honours
# DEB_BUILD_OPTIONS (nocheck, parallel=N; parallel defaults to every processor).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
source "$TRAVOLK_ROOT/scripts/debian-root.sh"
[ "$(id -u)" -eq 0 ] || { echo "scripts/package.sh needs root (debootstrap, chroot, piuparts)" >&2; exit 2; }
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
out="$TRAVOLK_ROOT/build-package"
# the clean roots of the build and of autopkgtest's testbed, removed after their step
build_root="$TRAVOLK_ROOTS_CACHE/$release-package"
test_root="$TRAVOLK_ROOTS_CACHE/$release-autopkgtest"
# the last build that passed, as a repository of one package for piuparts' upgrade test
previous="$TRAVOLK_ROOTS_CACHE/$release-package-previous"

# timed NAME COMMAND...: runs the command, then says how long it took
timed() {
    local name=$1 start status=0
    shift
    start=$(date +%s)
    "$@" || status=$?
    echo "=== $name: $([ "$status" = 0 ] && echo passed || echo FAILED) in $(($(date +%s) - start)) s"
    return "$status"
}

# Every tag of lintian --pedantic -I fails the build but one: Standards-Version is the newest
# that Debian 12's lintian knows (a newer one is a warning there), which Debian 13's lintian
# calls out of date.
check_lintian() {
    local tags
    tags=$(debian_root_run "$1" "cd .. && lintian --pedantic -I --fail-on none travolk_*.changes 2>/dev/null") || return 1
    [ -z "$tags" ] || echo "$tags"
    ! grep -v ": out-of-date-standards-version " <<<"$tags" | grep -q "^[EWIPXO]: "
}

build_packages() {
    local root=$build_root options="${DEB_BUILD_OPTIONS:-}" status=0
    [[ "$options" == *parallel=* ]] || options="$options parallel=$(nproc)"
    rm -rf "$out"
    mkdir -p "$out"
    travolk_install_packages git
    debian_root_new "$release" "$root"
    # the source: the tree as it is here, without what git ignores
    mkdir -p "$root/root/travolk"
    (cd "$TRAVOLK_ROOT" && git ls-files -z --cached --others --exclude-standard | tar --null -T - --ignore-failed-read -cf -) |
        tar -C "$root/root/travolk" -xf -
    debian_root_run "$root" "
        set -e
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends dpkg-dev lintian >/dev/null
        DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq ./ >/dev/null
        DEB_BUILD_OPTIONS='$options' dpkg-buildpackage -us -uc >../build.log 2>&1 || { tail -n 60 ../build.log; exit 1; }
    " || status=$?
    cp "$root"/root/build.log "$root"/root/travolk_* "$root"/root/travolk-* "$out/" 2>/dev/null || true
    if [ "$status" = 0 ]; then
        check_lintian "$root" || status=$?
    fi
    debian_root_remove "$root"
    return "$status"
}

# The virt server is chroot, in a clean root of the release: the unshare server needs user
# namespaces, which the kernel refuses to a process inside a chroot (as the fresh-machine
# check runs this), and null would test on this machine, whose packages could hide a
# dependency the package lacks.
run_autopkgtest() {
    local root=$test_root status=0
    travolk_install_packages autopkgtest
    debian_root_new "$release" "$root"
    autopkgtest --output-dir "$out/autopkgtest" "$out"/travolk_*.changes -- chroot "$root" >"$out/autopkgtest.log" 2>&1 || status=$?
    cat "$out/autopkgtest/summary"
    [ "$status" = 0 ] || grep -h -B 2 -A 12 "^FAIL" "$out"/autopkgtest/*-stdout 2>/dev/null || true
    debian_root_remove "$root"
    return "$status"
}

# The previous build is offered over HTTP from this machine: piuparts' root is a folder only
# root may enter, where apt's unprivileged downloader cannot read a file: repository.
run_piuparts() {
    local args=(--existing-chroot "$(debian_base "$release")" --distribution "$release" --mirror "$(debian_mirror)")
    local server="" status=0
    travolk_install_packages piuparts dpkg-dev
    if ls "$previous"/travolk_*.deb >/dev/null 2>&1; then
        (cd "$previous" && dpkg-scanpackages --multiversion . >Packages 2>/dev/null)
        python3 -u -m http.server --bind 127.0.0.1 --directory "$previous" 0 >"$out/previous-server.log" 2>&1 &
        server=$!
        local port=""
        for _ in $(seq 50); do
            port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$out/previous-server.log")
            [ -n "$port" ] && break
            sleep 0.1
        done
        args+=(--extra-repo "deb [trusted=yes] http://127.0.0.1:$port ./")
        echo "piuparts: the upgrade from the previous build, $(basename "$previous"/travolk_*.deb)"
    else
        echo "piuparts: no previous build on this machine: install and purge only"
    fi
    piuparts "${args[@]}" "$out"/travolk_*_"$(dpkg --print-architecture)".deb >"$out/piuparts.log" 2>&1 || status=$?
    [ -z "$server" ] || kill "$server"
    [ "$status" = 0 ] || { tail -n 40 "$out/piuparts.log"; return 1; }
    grep -E "INFO: (Installation of|PASS)" "$out/piuparts.log" | cut -c1-160
}

keep_as_previous() {
    rm -rf "$previous"
    mkdir -p "$previous"
    cp "$out"/travolk_*_"$(dpkg --print-architecture)".deb "$previous/"
}

trap 'debian_root_unmount "$build_root"; debian_root_unmount "$test_root"' EXIT
trap 'exit 130' INT TERM
echo "Building and testing the Debian packages for $release"
timed "dpkg-buildpackage and lintian" build_packages
ls -l "$out"/*.deb "$out"/*.dsc
timed "autopkgtest" run_autopkgtest
timed "piuparts" run_piuparts
keep_as_previous
echo "PASS: $(basename "$out"/travolk_*.changes) builds, is lintian-clean, and passes autopkgtest and piuparts"
