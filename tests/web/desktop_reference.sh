#!/usr/bin/env bash
# tests/web/desktop_reference.sh BUILD OUT: the desktop game of BUILD under the current X
# display, as the browser game must match it: OUT/desktop.png, its frame a second after
# the start, and OUT/startup.log, its start-up lines without the enemies' random choices.
source "$(dirname "$0")/../e2e/lib.sh" "$1"
OUT=$2
make_run_folder
start_game
sleep 1
import -window "$WINDOW" "$OUT/desktop.png"
travolk_key "$WINDOW" Escape
wait_exit 10 || fail "the desktop game: exit code $?"
sed -n '1,/^Game initialization/p' "$WORK/out.log" | grep -a -v -x -E '[0-9]+' >"$OUT/startup.log"
