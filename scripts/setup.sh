#!/usr/bin/env bash
# Installs from Debian's packages what a step needs, and configures and builds. Sourced by
# run.sh (the game alone, for players) and test.sh (the game, its tools and the whole
# suite); a second call rebuilds only what changed.
set -euo pipefail

TRAVOLK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TRAVOLK_BUILD="$TRAVOLK_ROOT/build"
# the oldest Debian release the project builds and plays on
TRAVOLK_OLDEST_RELEASE=bookworm
# the cross compiler's target for the Windows game
TRAVOLK_WINDOWS_HOST=x86_64-w64-mingw32

# to build and play
TRAVOLK_GAME_PACKAGES=(g++ cmake make libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev
    libsdl-mixer1.2-dev libgl-dev libpng-dev fonts-liberation)
# to play without a display: a virtual one, keys for it, and the screenshot
TRAVOLK_HEADLESS_PACKAGES=(xvfb xauth xdotool imagemagick)
# to test: the sanitizer build's compiler, runtime and symbolizer, the test and benchmark
# libraries, and fonttools for the browser's font, which a test holds to the full font
TRAVOLK_TEST_PACKAGES=(clang libclang-rt-dev llvm libgtest-dev libbenchmark-dev libpng-dev libfreetype-dev fonttools "${TRAVOLK_HEADLESS_PACKAGES[@]}")

# The virtual display of the headless runs and the tests. Without -noreset the server resets
# whenever its last client leaves, and a client connecting meanwhile is refused.
TRAVOLK_XVFB=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")

# apt-get with its arguments, as every script here runs it: while another package manager
# holds the package lock (a fresh desktop's unattended upgrades, a second terminal), it
# waits up to TRAVOLK_APT_LOCK_WAIT seconds, says once what it waits for, and then fails
# with a clear line. apt's own DPkg::Lock::Timeout does not cover the package lists' lock.
TRAVOLK_APT_LOCK_WAIT=600
travolk_apt_get() {
    local sudo="" output status waited=0
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    while :; do
        status=0
        output=$(DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=5 "$@" 2>&1) || status=$?
        if [ "$status" -eq 0 ] || ! grep -q "Could not get lock" <<<"$output"; then
            break
        fi
        if [ "$waited" -ge "$TRAVOLK_APT_LOCK_WAIT" ]; then
            echo "Error: another package manager still holds the package lock after $((TRAVOLK_APT_LOCK_WAIT / 60))" \
                "minutes; run this again once it has finished" >&2
            return "$status"
        fi
        if [ "$waited" -eq 0 ]; then
            echo "Waiting up to $((TRAVOLK_APT_LOCK_WAIT / 60)) minutes for another package manager to finish:" \
                "$(grep -m 1 -o 'held by process [0-9]* ([^)]*)' <<<"$output" || echo "the package lock is held")"
        fi
        sleep 5
        waited=$((waited + 5))
    done
    [ "$status" -eq 0 ] || printf '%s\n' "$output" >&2
    return "$status"
}

# Installs the packages named that are not installed yet.
travolk_install_packages() {
    local missing=()
    for package in "$@"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    travolk_apt_get update -qq
    travolk_apt_get install -y -qq --no-install-recommends "${missing[@]}"
}

# Where a release's libsdl1.2-dev is classic SDL 1.2, Debian's libsdl1.2-compat puts the
# other implementation, sdl12-compat, beside it; the tests run under both.
travolk_sdl12_compat_dir() {
    echo "/usr/lib/$(gcc -print-multiarch)/sdl12-compat"
}

travolk_classic_sdl() {
    [[ "$(dpkg-query -W -f='${Version}' libsdl1.2debian 2>/dev/null)" == 1.2.15* ]]
}

travolk_install_test_packages() {
    travolk_install_packages "${TRAVOLK_GAME_PACKAGES[@]}" "${TRAVOLK_TEST_PACKAGES[@]}"
    if travolk_classic_sdl; then
        travolk_install_packages libsdl1.2-compat
    fi
}

# The game and its data alone, in build/ or the folder given (Release).
travolk_build_game() {
    local build=${1:-$TRAVOLK_BUILD}
    cmake -S "$TRAVOLK_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)" --target travolk
}

# Everything: the game, its tools, the tests and the benchmarks, in build/ (Release).
travolk_build() {
    cmake -S "$TRAVOLK_ROOT" -B "$TRAVOLK_BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON "$@" >/dev/null
    cmake --build "$TRAVOLK_BUILD" -j "$(nproc)"
}

# The second build: clang with AddressSanitizer, UndefinedBehaviorSanitizer and leak
# checking, and the fuzz targets, in build-sanitize/.
travolk_build_sanitized() {
    CC=clang CXX=clang++ cmake -S "$TRAVOLK_ROOT" -B "$TRAVOLK_ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTRAVOLK_SANITIZE=ON -DTRAVOLK_FUZZ=ON >/dev/null
    cmake --build "$TRAVOLK_ROOT/build-sanitize" -j "$(nproc)"
}

# What the sanitizer build's tests run with. Mesa unloads its software renderer when the
# display closes; loaded from the start it stays, so what it keeps to the end is neither
# reported as lost nor reported without a name.
travolk_sanitizer_env() {
    export ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0
    export LSAN_OPTIONS="suppressions=$TRAVOLK_ROOT/tests/sanitizer/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    local driver
    driver="/usr/lib/$(gcc -print-multiarch)/dri/swrast_dri.so"
    if [ -f "$driver" ]; then
        export LD_PRELOAD="$driver"
    fi
}
