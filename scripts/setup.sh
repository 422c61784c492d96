#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, then configures and builds
# in build/ (Release). Sourced by run.sh and test.sh; a second call rebuilds only what changed.
set -euo pipefail

TRAVOLK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TRAVOLK_BUILD="$TRAVOLK_ROOT/build"
TRAVOLK_PACKAGES=(g++ cmake make libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libsdl-mixer1.2-dev
    libgl-dev zlib1g-dev clang libclang-rt-14-dev libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick fonts-liberation)

# The virtual display of the headless runs and the tests. Without -noreset the server resets
# whenever its last client leaves, and a client connecting meanwhile is refused.
TRAVOLK_XVFB=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")

travolk_install_packages() {
    local missing=()
    for package in "${TRAVOLK_PACKAGES[@]}"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

travolk_build() {
    cmake -S "$TRAVOLK_ROOT" -B "$TRAVOLK_BUILD" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
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

travolk_install_packages
