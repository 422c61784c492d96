#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, then configures and builds
# in build/ (Release). Sourced by run.sh and test.sh; a second call rebuilds only what changed.
set -euo pipefail

TRAVOLK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TRAVOLK_BUILD="$TRAVOLK_ROOT/build"
TRAVOLK_PACKAGES=(g++ cmake make libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libsdl-mixer1.2-dev
    libgl-dev zlib1g-dev libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick fonts-liberation)

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

travolk_install_packages
