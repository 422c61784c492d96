#!/usr/bin/env bash
# Building libraries from Debian's source packages, for the builds that bring their own
# (Windows, the browser). Sourced; the caller sets SOURCES (the source packages), WORK (where
# they are unpacked) and JOBS.

# Source packages come from the archive this machine installs from: a deb-src entry for
# each of its deb entries. The same archive's oldest release that the project builds on
# (TRAVOLK_OLDEST_RELEASE) is offered too: a mirror may lack the newest source of a
# package, and an older one builds the same library.
add_source_entries() {
    local list=/etc/apt/sources.list.d/travolk-deb-src
    local release older=""
    release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$release" ] && [ "$release" != "$TRAVOLK_OLDEST_RELEASE" ] && older=$TRAVOLK_OLDEST_RELEASE
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            awk -v release="$release" -v older="$older" '{ print } older != "" && $3 == release { $3 = older; print }'
    fi >"$list.list"
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && [ "$file" != "$list.sources" ] || continue
        awk -v release="$release" -v older="$older" 'BEGIN { RS = ""; ORS = "\n\n" }
            /(^|\n)Types:[^\n]*deb([ \n]|$)/ {
                sub(/Types:[^\n]*/, "Types: deb-src")
                if (older != "" && match($0, "Suites:[^\n]*[ ]" release "([ \n]|$)")) { sub(/Suites:[^\n]*/, "& " older) }
                print
            }' "$file"
    done >"$list.sources"
    travolk_apt_get update -qq
}

# travolk_source_entries PACKAGE: makes sure apt knows the sources, PACKAGE's among them
travolk_source_entries() {
    apt-cache showsrc "$1" 2>/dev/null | grep -q '^Package:' || add_source_entries
}

# the source versions that apt knows of a package, newest first
versions_of() {
    apt-cache showsrc --only-source "$1" | awk '/^Version:/ { print $2 }' | sort -u -r -V
}

# what the prefix is made from: the versions on offer, the script running and this file
wanted_versions() {
    for package in "${SOURCES[@]}"; do
        echo "$package" $(versions_of "$package")
    done
    sha256sum "$0" "${BASH_SOURCE[0]}" | cut -d' ' -f1
}

# fetch PACKAGE: its newest source that the mirror holds, unpacked with Debian's patches
fetch() {
    for version in $(versions_of "$1"); do
        if (cd "$WORK" && apt-get source -qq "$1=$version" >>fetch.log 2>&1); then
            echo "$1 $version" >>"$WORK/fetched"
            return 0
        fi
    done
    tail -n 5 "$WORK/fetch.log"
    echo "could not fetch the source of $1" >&2
    exit 1
}

# make_in DIR ARGS...: make in DIR, its output kept in DIR/make.log and shown on failure
make_in() {
    local dir=$1
    shift
    make -C "$dir" "$@" >>"$dir/make.log" 2>&1 || { tail -n 30 "$dir/make.log"; echo "make $* failed in $dir" >&2; exit 1; }
}

# the unpacked source tree of a package, with Debian's patches applied
tree() {
    find "$WORK" -mindepth 1 -maxdepth 1 -type d -name "$1-*" | head -n 1
}

# travolk_prepare_prefix WHAT: when PREFIX was made from the source versions on offer by the
# same script, says so and ends the script; otherwise starts PREFIX afresh and fetches the
# sources into WORK
travolk_prepare_prefix() {
    travolk_source_entries "${SOURCES[0]}"
    WANTED=$(wanted_versions)
    if [ -f "$PREFIX/versions" ] && [ "$(cat "$PREFIX/versions")" = "$WANTED" ]; then
        echo "$1 libraries: kept ($PREFIX)"
        exit 0
    fi
    rm -rf "$PREFIX" "$WORK"
    mkdir -p "$PREFIX" "$WORK"
    for package in "${SOURCES[@]}"; do
        fetch "$package"
    done
}

# travolk_copy_licences: the licences of the libraries built from WORK's sources, for the
# licences folder of what ships them, into PREFIX/licences
travolk_copy_licences() {
    local dir name
    mkdir -p "$PREFIX/licences"
    for dir in "$WORK"/*/; do
        name=$(basename "$dir")
        cp "$dir/debian/copyright" "$PREFIX/licences/${name%%-[0-9]*}.txt"
    done
}

# travolk_finish_prefix WHAT: records what PREFIX was made from
travolk_finish_prefix() {
    echo "$WANTED" >"$PREFIX/versions"
    cp "$WORK/fetched" "$PREFIX/sources"
    rm -rf "$WORK"
    echo "$1 libraries: built from $(tr '\n' ' ' <"$PREFIX/sources")($PREFIX)"
}
