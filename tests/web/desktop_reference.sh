#!/usr/bin/env bash
# tests/web/desktop_reference.sh BUILD OUT [MAZE]: the desktop game of BUILD under the
# current X display, as the browser game must match it, in the shipped maze or in MAZE (a
# data folder made by the maze tool): OUT/desktop.png, its frame a second after the start,
# and OUT/startup.log, its start-up lines without the enemies' random choices.
source "$(dirname "$0")/../e2e/lib.sh" "$1"
OUT=$2
make_run_folder
if [ -n "${3:-}" ]; then
    "$BUILD/tools/travolk-maze" build "$3" "$WORK/maze" --datadir "$BUILD" >/dev/null
    start_game --datadir "$WORK/maze"
else
    start_game
fi
sleep 1
import -window "$WINDOW" "$OUT/desktop.png"
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "the desktop game: exit code $?"
sed -n '1,/^Game initialization/p' "$WORK/out.log" | grep -a -v -x -E '[0-9]+' >"$OUT/startup.log"
