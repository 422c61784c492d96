#!/usr/bin/env bash
# The Debian package as a player meets it: lintian (when asked), desktop-file-validate and
# appstreamcli on what it holds; then it installs it with apt, asks the installed command
# for its version and help without a display, plays it from / in a virtual display until
# the maze shows, ends it, purges the package and checks that nothing of it is left.
# Installs what it needs. Run as root, on a machine where the package may be installed.
# Usage: tests/package/package_test.sh DEB [lintian]
set -euo pipefail
source "$(dirname "$0")/../../scripts/setup.sh"
deb=$(realpath "${1:?the package to test}")
lintian=0
[ "${2:-}" = lintian ] && lintian=1
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
