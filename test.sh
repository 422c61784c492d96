#!/usr/bin/env bash
# Builds the game and runs the whole suite: in the Release build; again in it under the
# other SDL 1.2 implementation where the system has two; then in a build with
# AddressSanitizer, UndefinedBehaviorSanitizer and leak checking, which also replays the
# fuzzing corpora. The tests that need a display run in a virtual one (Xvfb). Exits
# non-zero on any failure. The Debian package is built and tested by scripts/package.sh.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
travolk_install_test_packages

travolk_build -DTRAVOLK_WERROR=ON
(cd "$TRAVOLK_BUILD" && "${TRAVOLK_XVFB[@]}" ctest --output-on-failure -j "$(nproc)")

if travolk_classic_sdl; then
    echo "The suite again under sdl12-compat"
    (cd "$TRAVOLK_BUILD" && LD_LIBRARY_PATH="$(travolk_sdl12_compat_dir)" \
        "${TRAVOLK_XVFB[@]}" ctest --output-on-failure -j "$(nproc)")
fi

travolk_build_sanitized
(cd "$TRAVOLK_ROOT/build-sanitize" && travolk_sanitizer_env && "${TRAVOLK_XVFB[@]}" ctest --output-on-failure -j "$(nproc)")
