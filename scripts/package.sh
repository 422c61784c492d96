#!/usr/bin/env bash
# scripts/package.sh [--no-lintian | --build-only | --check DEB]: builds the Debian package
# in build-package/ (Release, installed under /usr) with CPack, then runs its test
# (tests/package/package_test.sh: validate, install, play, purge). Installs what it needs.
# The package is built on the oldest Debian release it is for: here when this machine runs
# that release, otherwise in a clean root of it (which needs root), since what a newer
# release builds needs its newer C and C++ libraries. --build-only builds here and checks
# nothing; --check DEB checks the package given, all but lintian.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
mode=${1:-}
build="$TRAVOLK_ROOT/build-package"

build_here() {
    travolk_install_packages "${TRAVOLK_GAME_PACKAGES[@]}" dpkg-dev file
    # built with Debian's hardening flags, as Debian's own packages are
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
        cmake -S "$TRAVOLK_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)" --target travolk_installed travolk-maze travolk_desktop_files >/dev/null
    rm -f "$build"/travolk_*.deb
    (cd "$build" && cpack -G DEB >/dev/null)
}

# the sources as they are here, built in a clean root of the package's release
build_in_root() {
    source "$TRAVOLK_ROOT/scripts/debian-root.sh"
    local root="$TRAVOLK_ROOTS_CACHE/$TRAVOLK_PACKAGE_RELEASE-package"
    [ "$(id -u)" -eq 0 ] || { echo "Building the package in a $TRAVOLK_PACKAGE_RELEASE root needs root (debootstrap, chroot)" >&2; return 1; }
    echo "Building the package in a clean $TRAVOLK_PACKAGE_RELEASE root"
    trap 'debian_root_unmount "$root"' EXIT
    debian_root_new "$TRAVOLK_PACKAGE_RELEASE" "$root"
    mkdir -p "$root/root/travolk"
    tar -C "$TRAVOLK_ROOT" --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . | tar -C "$root/root/travolk" -xf -
    local status=0
    debian_root_run "$root" "scripts/package.sh --build-only" || status=$?
    debian_root_unmount "$root"
    trap - EXIT
    [ "$status" = 0 ] || return "$status"
    mkdir -p "$build"
    rm -f "$build"/travolk_*.deb
    cp "$root"/root/travolk/build-package/travolk_*.deb "$build/"
}

build() {
    if [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = "$TRAVOLK_PACKAGE_RELEASE" ]; then
        build_here
    else
        build_in_root
    fi
}

case "$mode" in
--build-only)
    build_here
    exit 0
    ;;
--check)
    deb=$(realpath "${2:?--check needs a package}")
    ;;
"" | --no-lintian)
    build
    deb=$(ls "$build"/travolk_*.deb)
    ;;
*)
    echo "Usage: $0 [--no-lintian | --build-only | --check DEB]" >&2
    exit 2
    ;;
esac
bash "$TRAVOLK_ROOT/tests/package/package_test.sh" "$deb" "$([ -z "$mode" ] && echo lintian)"
