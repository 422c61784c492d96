#!/usr/bin/env bash
# The game for the browser: builds its libraries from Debian's source packages and the game
# with Debian's emscripten into build-web/site/ (a static site: index.html and the files it
# loads), then runs the browser tests: all of them in Debian's Chromium, and the scenarios
# every engine must pass in Firefox ESR and WebKitGTK (its WebKitWebDriver). Installs what
# it needs. Exits non-zero on any failure.
# Usage: scripts/web.sh             build and test
#        scripts/web.sh --serve [PORT]   build if needed, then serve the site on 127.0.0.1
set -euo pipefail
source "$(dirname "$0")/setup.sh"
OUT="$TRAVOLK_ROOT/build-web"
SITE="$OUT/site"
TESTS="$TRAVOLK_ROOT/tests/web"

serve_port=""
case "${1:-}" in
"") ;;
--serve) serve_port=${2:-8080} ;;
*)
    echo "Usage: $0 [--serve [PORT]]" >&2
    exit 2
    ;;
esac

# the compiler and what builds Debian's sources; fonttools for the font's subset; Node.js for
# the tests and the server, and the certificates npm checks the registry's by; the browsers;
# the desktop game's packages, whose log and frame the browser's must match
TRAVOLK_WEB_PACKAGES=(emscripten node-acorn nodejs ca-certificates dpkg-dev make cmake chromium fonts-liberation fonttools)
TRAVOLK_TEST_BROWSERS=(firefox-esr webkit2gtk-driver)
# Debian's npm, unless the machine has an npm of its own
command -v npm >/dev/null || TRAVOLK_WEB_PACKAGES+=(npm)
if [ -n "$serve_port" ]; then
    travolk_install_packages "${TRAVOLK_WEB_PACKAGES[@]}"
else
    travolk_install_packages "${TRAVOLK_WEB_PACKAGES[@]}" "${TRAVOLK_TEST_BROWSERS[@]}" "${TRAVOLK_GAME_PACKAGES[@]}" \
        "${TRAVOLK_HEADLESS_PACKAGES[@]}"
fi
source "$TRAVOLK_ROOT/scripts/web-env.sh"

build_site() {
    "$TRAVOLK_ROOT/scripts/web-deps.sh" "$OUT/deps"
    emcmake cmake -S "$TRAVOLK_ROOT" -B "$OUT/game" -DCMAKE_BUILD_TYPE=Release -DTRAVOLK_WERROR=ON \
        -DTRAVOLK_WEB_PREFIX="$OUT/deps" -DTRAVOLK_WEB_SITE="$SITE" >/dev/null
    cmake --build "$OUT/game" -j "$(nproc)"
    # what a visitor downloads (the files beside index.html), compressed as web servers send it
    local files bytes gzipped
    mapfile -t files < <(find "$SITE" -maxdepth 1 -type f | sort)
    bytes=$(cat "${files[@]}" | wc -c)
    gzipped=$(for file in "${files[@]}"; do gzip -9 -c "$file"; done | wc -c)
    echo "Built $SITE: $bytes bytes, $gzipped gzipped ($(stat -c %s "$SITE/travolk.wasm") bytes of WebAssembly)"
    [ "$gzipped" -le $((1024 * 1024)) ] || { echo "The site is over 1 MiB gzipped" >&2; exit 1; }
    [ "$(stat -c %s "$SITE/travolk.wasm")" -le $((1000 * 1000)) ] || { echo "travolk.wasm is over 1 MB" >&2; exit 1; }
}

if [ -n "$serve_port" ]; then
    # built again where the sources changed, so the page never shows a stale build; a page
    # that kept an older one for offline play offers the new one at its next reload
    build_site
    (cd "$TESTS" && [ -d node_modules ] || npm ci --no-audit --no-fund >/dev/null)
    exec node "$TESTS/serve.mjs" "$SITE" "$serve_port"
fi

# the page's own logic, which needs no browser
node --test "$TESTS"/unit/*.test.mjs
build_site
# the desktop game and its maze tool: the browser game must match its log lines and frames
cmake -S "$TRAVOLK_ROOT" -B "$OUT/desktop" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$OUT/desktop" -j "$(nproc)" --target travolk travolk-maze
(cd "$TESTS" && npm ci --no-audit --no-fund >/dev/null)
TRAVOLK_SITE="$SITE" TRAVOLK_DESKTOP="$OUT/desktop" "${TRAVOLK_XVFB[@]}" node --test --test-concurrency=1 "$TESTS"/*.test.mjs
