#!/usr/bin/env bash
# scripts/soak.sh [FRAMES]: the long soak, 200 000 frames (about 55 minutes of play) by
# default, of the Release build in a virtual display, with the memory check.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
travolk_install_test_packages
travolk_build >/dev/null
cd "$TRAVOLK_BUILD"
time "${TRAVOLK_XVFB[@]}" ./tests/soak/travolk_soak "${1:-200000}" --check-memory 2>&1 |
    grep -v '^ALSA lib'
