#!/usr/bin/env bash
# Shared by the end-to-end tests: the real binary in a run folder, real X key events.
# Usage from a test: source lib.sh BUILD_DIR (KEEP_WORK=1 keeps the work folder to look at)
set -euo pipefail
BUILD=$1
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_DIR/../../scripts/xkeys.sh"
WORK=$(mktemp -d /tmp/travolk-e2e-XXXXXX)
trap 'if [ -n "${GAME:-}" ]; then kill "$GAME" 2>/dev/null || true; fi; [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*"
    [ -f "$WORK/out.log" ] && { echo "--- log"; tail -n 40 "$WORK/out.log"; }
    exit 1
}

# a run folder of its own: the binary beside a copy of res/
make_run_folder() {
    cp "$BUILD/travolk" "$WORK/"
    cp -r "$BUILD/res" "$WORK/"
}

start_game() {
    (cd "$WORK" && exec ./travolk "$@" >"$WORK/out.log" 2>"$WORK/err.log") &
    GAME=$!
    WINDOW=$(travolk_find_window) || fail "the window did not open"
}

shot() { import -window "$WINDOW" "$WORK/$1.png"; }
probe() { "$BUILD/tests/shot_probe" "$@"; }
# Where the player is in a shot: the top-left corner of its colour and its width, as "X Y
# WIDTH" ("-1 -1 1" when the shot has none). ImageMagick's, so the installed game's tests
# find the player as the build's do.
player_in() {
    convert "$1" -alpha off -fuzz 9% -fill '#00FF00' -opaque '#FFF2B0' -fill black +opaque '#00FF00' -trim \
        -format '%X %Y %w\n' info: 2>/dev/null | tr -d +
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Two shots a second apart while the player runs left: fails unless it moved about a pixel a
# step (62.5 a second, within a fifth). A screenshot is taken at some moment while import
# runs, which a loaded machine stretches: the time between the two lies between the gap of
# the two runs and their whole span. The player's x in each is left in RUN_X1 and RUN_X2.
expect_running_speed() {
    local t1 t2 t3 t4 moved
    t1=$(now_ms)
    shot moving1
    t2=$(now_ms)
    sleep 1
    t3=$(now_ms)
    shot moving2
    t4=$(now_ms)
    read -r RUN_X1 _ _ < <(player_in "$WORK/moving1.png")
    read -r RUN_X2 _ _ < <(player_in "$WORK/moving2.png")
    moved=$((RUN_X1 - RUN_X2))
    echo "moved $moved pixels in $((t3 - t2)) to $((t4 - t1)) ms"
    [ $((moved * 1000 * 5)) -ge $((62 * 4 * (t3 - t2))) ] && [ $((moved * 1000 * 5)) -le $((63 * 6 * (t4 - t1))) ] ||
        fail "moved $moved pixels in $((t3 - t2)) to $((t4 - t1)) ms, not about 62 a second"
}

# waits for the game to end by itself; fails after SECONDS
wait_exit() {
    local seconds=${1:-10}
    for _ in $(seq $((seconds * 10))); do
        kill -0 "$GAME" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$GAME" 2>/dev/null && fail "the game did not exit within $seconds s"
    wait "$GAME"
}

SHUTDOWN="Shutting down game
Deleting Objects
Freeing sound
Freeing music
Closing SDL_mixer
Unloading graphics
Deleting textures
Deleting font textures
Graphics unloaded
Closing SDL_image
Closing SDL_ttf
Closing SDL"

expect_shutdown_last() {
    [ "$(tail -n 12 "$WORK/out.log")" = "$SHUTDOWN" ] || fail "the log does not end with the shutdown lines"
}

# expect_cells_as_in SHOT MAP: every cell's centre in the window's picture SHOT is as the
# maze file MAP says: a wall's fill, a pellet's white or green, away from the actors
expect_cells_as_in() {
    convert "$1" txt:- | awk -F'[,: ]+' '$1 % 16 == 8 && $2 % 16 == 8 {print int($2 / 16), int($1 / 16), $0}' |
        sed -E 's/^([0-9]+) ([0-9]+) .*#([0-9A-F]{6}).*/\1 \2 \3/' >"$WORK/centres.txt"
    local wrong
    wrong=$(awk 'NR == FNR {row[NR - 1] = $0; next}
        {r = $1; c = $2; cell = substr(row[r], c + 1, 1)
         if ((r >= 10 && r <= 12) || (r >= 22 && r <= 24 && c >= 13 && c <= 17)) next
         if (cell == "X" && $3 != "101850") print r "," c " wall " $3
         if ((cell == "D" || cell == "B") && ($3 == "000000" || $3 == "101850")) print r "," c " pellet " $3}' \
        "$2" "$WORK/centres.txt")
    [ -z "$wrong" ] || fail "cells not as $2 says: $(echo "$wrong" | head -n 5)"
    [ "$(wc -l <"$WORK/centres.txt")" = 868 ] || fail "read $(wc -l <"$WORK/centres.txt") cell centres"
}

# the remembered settings of the runs of one test stay in its own folder
export XDG_CONFIG_HOME="$WORK/config"
