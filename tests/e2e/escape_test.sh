#!/usr/bin/env bash
# The game starts, shows the maze, and Escape closes it with the shutdown lines.
source "$(dirname "$0")/lib.sh" "$1"
make_run_folder
start_game
sleep 1
shot start
[ "$(xdotool getwindowname "$WINDOW")" = "Travolk" ] || fail "caption"
size=$(xdotool getwindowgeometry --shell "$WINDOW" | awk -F= '/WIDTH|HEIGHT/{printf "%s ", $2}')
[ "$size" = "448 496 " ] || fail "window is $size"
# the maze picture: a wall outline, a pellet, and black corridor
[ "$(probe "$WORK/start.png" pixel 15 20)" = "5070FF" ] || fail "no wall outline beside the first corridor"
[ "$(probe "$WORK/start.png" pixel 24 24)" != "000000" ] || fail "no pellet at the first corridor cell"
[ "$(probe "$WORK/start.png" pixel 24 32)" = "000000" ] || fail "the corridor is not black"
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "exit code"
grep -a -qx "Game initialization successful" "$WORK/out.log" || fail "no start-up summary"
[ "$(head -n 1 "$WORK/out.log")" = "Loading graphics" ] || fail "first line"
expect_shutdown_last
echo "PASS"
