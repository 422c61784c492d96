#!/usr/bin/env bash
# Builds the libraries of the browser game with emscripten from Debian's source packages
# into PREFIX: zlib, libpng and FreeType, under the project's own PNG and TrueType parts of
# SDL_image and SDL_ttf (compat/). emscripten brings SDL 1.2 and SDL_mixer itself.
# A prefix made from the same source versions by the same script is kept as it is.
# Usage: scripts/web-deps.sh PREFIX (with scripts/web-env.sh's environment)
set -euo pipefail
source "$(dirname "$0")/setup.sh"
source "$(dirname "$0")/debian-sources.sh"
[ $# -eq 1 ] || { echo "usage: $0 PREFIX" >&2; exit 2; }
PREFIX=$(realpath -m "$1")
SOURCES=(zlib libpng1.6 freetype)
WORK="$PREFIX.src"
JOBS=$(nproc)

# configure_for_web DIR [OPTIONS]: an autotools configuration for WebAssembly, into PREFIX
configure_for_web() {
    local dir=$1
    shift
    (cd "$dir" && emconfigure ./configure --prefix="$PREFIX" "$@" >configure.log 2>&1) ||
        { tail -n 30 "$dir/configure.log"; echo "configure failed in $dir" >&2; exit 1; }
}

build_zlib() {
    configure_for_web "$1" --static
    make_in "$1" -j"$JOBS" libz.a
    make_in "$1" install
}

build_png() {
    configure_for_web "$1" --host=wasm32-unknown-emscripten --disable-shared --disable-tools \
        CPPFLAGS="-I$PREFIX/include" LDFLAGS="-L$PREFIX/lib"
    make_in "$1" -j"$JOBS" libpng16.la
    make_in "$1" install-libLTLIBRARIES install-pkgincludeHEADERS install-nodist_pkgincludeHEADERS \
        install-header-links install-library-links
}

build_freetype() {
    (emcmake cmake -S "$1" -B "$1/build" -DCMAKE_INSTALL_PREFIX="$PREFIX" -DCMAKE_BUILD_TYPE=Release \
        -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_BROTLI=ON \
        -DFT_REQUIRE_ZLIB=ON -DCMAKE_FIND_ROOT_PATH="$PREFIX" >"$1/configure.log" 2>&1) ||
        { tail -n 30 "$1/configure.log"; echo "configure failed in $1" >&2; exit 1; }
    make_in "$1/build" -j"$JOBS"
    make_in "$1/build" install
}

travolk_prepare_prefix Browser
build_zlib "$(tree zlib)"
build_png "$(tree libpng1.6)"
build_freetype "$(tree freetype)"
travolk_copy_licences
travolk_finish_prefix Browser
