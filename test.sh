#!/usr/bin/env bash
# Builds the game and runs the whole suite; the tests that need a display run in a
# virtual one (Xvfb). Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
travolk_build -DTRAVOLK_WERROR=ON
cd "$TRAVOLK_BUILD"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure -j "$(nproc)"
