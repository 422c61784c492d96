#!/usr/bin/env bash
# The game for Windows: cross-builds its libraries from Debian's source packages and the
# game with mingw-w64, packs build-windows/travolk-windows-x64.zip, and tests the packed
# game under Wine in a virtual display against the Linux game built from the same sources.
# Installs what it needs. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
OUT="$TRAVOLK_ROOT/build-windows"
HOST=$TRAVOLK_WINDOWS_HOST
ZIP="$OUT/travolk-windows-x64.zip"
# the cross compiler, what unpacks and builds Debian's sources, Wine with the X11 and
# OpenGL libraries that its display driver loads, and the zip tools
TRAVOLK_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 libz-mingw-w64-dev dpkg-dev autotools-dev make
    wine wine64 libgl1 libgl1-mesa-dri libxrandr2 libxrender1 libxi6 libxcursor1 libxxf86vm1
    libxcomposite1 libxinerama1 zip unzip)
travolk_install_packages "${TRAVOLK_GAME_PACKAGES[@]}" "${TRAVOLK_HEADLESS_PACKAGES[@]}" "${TRAVOLK_WINDOWS_PACKAGES[@]}"

# the DLLs that FILE needs from the libraries' folder, and theirs, one name a line
needed_dlls() {
    local dll
    for dll in $($HOST-objdump -p "$1" | awk '/DLL Name:/ { print $3 }'); do
        if [ -f "$OUT/deps/bin/$dll" ]; then
            echo "$dll"
            needed_dlls "$OUT/deps/bin/$dll"
        fi
    done
}

# The zip holds one folder: the game, its DLLs, res/ beside it, a README and the licences
# of everything in it.
pack() {
    local folder="$OUT/zip/travolk"
    rm -rf "$OUT/zip" "$ZIP"
    mkdir -p "$folder/licences"
    $HOST-strip -o "$folder/travolk.exe" "$OUT/game/travolk.exe"
    for dll in $(needed_dlls "$folder/travolk.exe" | sort -u); do
        $HOST-strip --strip-unneeded -o "$folder/$dll" "$OUT/deps/bin/$dll"
    done
    cp -rL "$OUT/game/res" "$folder/"
    cp "$TRAVOLK_ROOT/packaging/windows/README.txt" "$folder/"
    cp "$TRAVOLK_ROOT/packaging/copyright" "$folder/licences/travolk.txt"
    cp /usr/share/doc/fonts-liberation/copyright "$folder/licences/fonts-liberation.txt"
    cp "$OUT/deps/licences/"*.txt "$folder/licences/"
    cp /usr/share/common-licenses/GPL-2 "$folder/licences/GPL-2.txt"
    cp /usr/share/common-licenses/LGPL-2.1 "$folder/licences/LGPL-2.1.txt"
    cp "$OUT/deps/sources" "$folder/licences/SOURCES.txt"
    # text files with Windows line ends, as Notepad shows them
    find "$folder" -name '*.txt' -exec sed -i 's/\r*$/\r/' {} +
    (cd "$OUT/zip" && zip -q -r -X "$ZIP" travolk)
    echo "Packed $ZIP ($(du -k "$ZIP" | cut -f1) KB)"
}

"$TRAVOLK_ROOT/scripts/windows-deps.sh" "$OUT/deps"

# the Linux game, whose picture and log the Windows game must match
travolk_build_game "$OUT/linux"

cmake -S "$TRAVOLK_ROOT" -B "$OUT/game" -DCMAKE_TOOLCHAIN_FILE="$TRAVOLK_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DTRAVOLK_WINDOWS_PREFIX="$OUT/deps" -DCMAKE_BUILD_TYPE=Release -DTRAVOLK_WERROR=ON >/dev/null
cmake --build "$OUT/game" -j "$(nproc)" --target travolk

pack
bash "$TRAVOLK_ROOT/tests/windows/wine_test.sh" "$ZIP" "$OUT/linux"
