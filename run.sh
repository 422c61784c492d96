#!/usr/bin/env bash
# Builds the game and starts it in its run folder, build/. Without an X display it plays
# for three seconds in a virtual one and leaves a screenshot and the log in build/.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
travolk_install_packages "${TRAVOLK_GAME_PACKAGES[@]}"
travolk_build_game
cd "$TRAVOLK_BUILD"

if [ -n "${DISPLAY:-}" ]; then
    exec ./travolk
fi

echo "No X display: running the game in a virtual display (Xvfb) for three seconds."
travolk_install_packages "${TRAVOLK_HEADLESS_PACKAGES[@]}"
"${TRAVOLK_XVFB[@]}" bash "$TRAVOLK_ROOT/scripts/headless-run.sh" "$TRAVOLK_BUILD"
echo "Screenshot: $TRAVOLK_BUILD/screenshot.png"
echo "Log: $TRAVOLK_BUILD/travolk.log"
