#!/usr/bin/env bash
# Cross-builds the libraries of the Windows game from Debian's source packages into PREFIX:
# SDL 1.2 with its start-up layer, libpng, FreeType and SDL_mixer 1.2 without codecs (the
# game opens no sound file). zlib is Debian's libz-mingw-w64-dev. The headers of SDL_image
# and SDL_ttf are Debian's own; the game's build supplies the PNG and TrueType parts of
# those two libraries itself (compat/).
# A prefix made from the same source versions by the same script is kept as it is.
# Usage: scripts/windows-deps.sh PREFIX
set -euo pipefail
source "$(dirname "$0")/setup.sh"
source "$(dirname "$0")/debian-sources.sh"
[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
PREFIX=$(realpath -m "$1")
HOST=$TRAVOLK_WINDOWS_HOST
SOURCES=(libsdl1.2 libpng1.6 freetype sdl-mixer1.2)
WORK="$PREFIX.src"
JOBS=$(nproc)

# configure_for_windows DIR [OPTIONS]: an autotools configuration for Windows, into PREFIX
configure_for_windows() {
    local dir=$1
    shift
    (cd "$dir" && ./configure --host=$HOST --prefix="$PREFIX" --disable-static "$@" >configure.log 2>&1) ||
        { tail -n 30 "$dir/config.log"; echo "configure failed in $dir" >&2; exit 1; }
}

make_and_install() {
    make_in "$1" -j"$JOBS"
    make_in "$1" install
}

# Old autotools scripts do not know the mingw-w64 target; Debian's autotools-dev does.
refresh_config_scripts() {
    cp /usr/share/misc/config.sub /usr/share/misc/config.guess "$1/build-scripts/"
}

build_sdl() {
    refresh_config_scripts "$1"
    # GDI video and waveOut sound: no DirectX headers needed
    configure_for_windows "$1" --enable-shared --disable-directx
    make_and_install "$1"
}

build_png() {
    configure_for_windows "$1" CPPFLAGS="-I$PREFIX/include" LDFLAGS="-L$PREFIX/lib"
    make_and_install "$1"
}

build_freetype() {
    configure_for_windows "$1" --without-harfbuzz --without-bzip2 --without-png --without-brotli --with-zlib=no
    make_and_install "$1"
}

build_mixer() {
    refresh_config_scripts "$1"
    configure_for_windows "$1" --with-sdl-prefix="$PREFIX" --disable-sdltest --disable-smpegtest \
        --disable-music-cmd --disable-music-mod --disable-music-midi --disable-music-ogg \
        --disable-music-flac --disable-music-mp3 --disable-music-mp3-mad-gpl
    # the library alone: its example programs want a start-up layer of their own
    make_in "$1" -j"$JOBS" build/libSDL_mixer.la
    make_in "$1" install-hdrs install-lib
}

travolk_prepare_prefix Windows
build_sdl "$(tree libsdl1.2)"
build_png "$(tree libpng1.6)"
build_freetype "$(tree freetype)"
export PATH="$PREFIX/bin:$PATH"
build_mixer "$(tree sdl-mixer1.2)"
cp /usr/include/SDL/SDL_image.h /usr/include/SDL/SDL_ttf.h "$PREFIX/include/SDL/"
cp /usr/$HOST/lib/zlib1.dll "$PREFIX/bin/"
travolk_copy_licences
cp /usr/share/doc/libz-mingw-w64/copyright "$PREFIX/licences/zlib.txt"
travolk_finish_prefix Windows
