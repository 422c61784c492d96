#!/usr/bin/env bash
# The game for Windows: cross-builds its libraries from Debian's source packages and the
# game with mingw-w64, has CPack pack build-windows/travolk-windows-x64.zip, and tests the
# packed game under Wine in a virtual display against the Linux game built from the same sources.
# Installs what it needs. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
OUT="$TRAVOLK_ROOT/build-windows"
ZIP="$OUT/travolk-windows-x64.zip"
# the cross compiler, what unpacks and builds Debian's sources, Wine with the X11 and
# OpenGL libraries that its display driver loads, and what unpacks the zip
TRAVOLK_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 libz-mingw-w64-dev dpkg-dev autotools-dev make
    wine wine64 libgl1 libgl1-mesa-dri libxrandr2 libxrender1 libxi6 libxcursor1 libxxf86vm1
    libxcomposite1 libxinerama1 unzip)
travolk_install_packages "${TRAVOLK_GAME_PACKAGES[@]}" "${TRAVOLK_HEADLESS_PACKAGES[@]}" "${TRAVOLK_WINDOWS_PACKAGES[@]}"

"$TRAVOLK_ROOT/scripts/windows-deps.sh" "$OUT/deps"

# the Linux game, whose picture and log the Windows game must match
travolk_build_game "$OUT/linux"

cmake -S "$TRAVOLK_ROOT" -B "$OUT/game" -DCMAKE_TOOLCHAIN_FILE="$TRAVOLK_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DTRAVOLK_WINDOWS_PREFIX="$OUT/deps" -DCMAKE_BUILD_TYPE=Release -DTRAVOLK_WERROR=ON >/dev/null
cmake --build "$OUT/game" -j "$(nproc)" --target travolk
rm -f "$ZIP"
(cd "$OUT/game" && cpack -B "$OUT" >/dev/null)
rm -rf "$OUT/_CPack_Packages"
echo "Packed $ZIP ($(du -k "$ZIP" | cut -f1) KB)"
bash "$TRAVOLK_ROOT/tests/windows/wine_test.sh" "$ZIP" "$OUT/linux"
