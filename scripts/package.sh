#!/usr/bin/env bash
# scripts/package.sh [--no-lintian | --build-only | --check DEB]: builds the Debian package
# in build-package/ (Release, installed under /usr) and checks it: lintian,
# desktop-file-validate and appstreamcli on what it holds; then installs it with apt, asks
# the installed command for its version and help without a display, plays it from / in a
# virtual display until the maze shows, ends it, purges the package and checks that nothing
# of it is left. Installs what it needs.
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
lintian=0
[ -z "$mode" ] && lintian=1
checks=(desktop-file-utils appstream)
[ "$lintian" = 1 ] && checks+=(lintian)
travolk_install_packages "${TRAVOLK_HEADLESS_PACKAGES[@]}" "${checks[@]}"

work=$(mktemp -d /tmp/travolk-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

echo "Package: $deb ($(du -k "$deb" | cut -f1) KiB)"
dpkg-deb -f "$deb" Depends
if [ "$lintian" = 1 ]; then
    lintian --fail-on error,warning "$deb" || fail "lintian"
fi
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work"/root/usr/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml >/dev/null || fail "appstreamcli"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null || fail "apt-get install"
# where Debian's players find games; root's own path lacks it
export PATH="$PATH:/usr/games"
[ "$(env -u DISPLAY travolk --version)" = "travolk $(dpkg-deb -f "$deb" Version)" ] || fail "--version"
env -u DISPLAY travolk --help | grep -q -- --datadir || fail "--help"
travolk-maze check /usr/share/games/travolk/res/txt/map || fail "travolk-maze check of the installed maze"
status=0
env -u DISPLAY travolk --no-such-option 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "an unknown option gave $status"

# played from /, as a player starts it from the menu
"${TRAVOLK_XVFB[@]}" bash -c "
    source '$TRAVOLK_ROOT/scripts/xkeys.sh'
    cd / && travolk >'$work/out.log' 2>&1 &
    window=\$(travolk_find_window) || exit 1
    sleep 1
    import -window \"\$window\" '$work/shot.png'
    travolk_key \"\$window\" Escape
    wait \$!
" || fail "the installed game did not play from /"
grep -qx "Game initialization successful" "$work/out.log" || fail "no successful start: $(head -n 3 "$work/out.log")"
[ "$(convert "$work/shot.png" -format '%[hex:p{15,20}]' info:)" = 5070FF ] || fail "no maze in the window"

installed=$(dpkg -L travolk)
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq travolk >/dev/null || fail "apt-get purge"
! dpkg -s travolk >/dev/null 2>&1 || fail "still installed after the purge"
while read -r path; do
    case "$path" in /usr/share/doc | /usr/share/man | /usr/share/man/man6 | /usr/games | /usr | /usr/share | /. | /usr/share/applications | /usr/share/metainfo | /usr/share/icons* | /usr/share/games) continue ;; esac
    [ ! -e "$path" ] && [ ! -L "$path" ] || fail "left after the purge: $path"
done <<<"$installed"
echo "PASS: $(basename "$deb") validates, installs, plays from / and purges clean"
