#!/usr/bin/env bash
# Builds the game and runs the whole suite twice: in the Release build, then in a build with
# AddressSanitizer, UndefinedBehaviorSanitizer and leak checking, which also replays the
# fuzzing corpora. The tests that need a display run in a virtual one (Xvfb). Exits
# non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

travolk_build -DTRAVOLK_WERROR=ON
(cd "$TRAVOLK_BUILD" && "${TRAVOLK_XVFB[@]}" ctest --output-on-failure -j "$(nproc)")

travolk_build_sanitized
(cd "$TRAVOLK_ROOT/build-sanitize" && travolk_sanitizer_env && "${TRAVOLK_XVFB[@]}" ctest --output-on-failure -j "$(nproc)")
