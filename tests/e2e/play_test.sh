#!/usr/bin/env bash
# Played for real: holding a moves the player left at a pixel a frame, eating the pellets
# on its way; p freezes the picture and p again lets it go on; Escape quits.
source "$(dirname "$0")/lib.sh" "$1"
make_run_folder
start_game
sleep 0.5
shot before
[ "$(probe "$WORK/before.png" pixel 232 376)" != "000000" ] || fail "no pellet left of the player"
read -r x0 _ width < <(player_in "$WORK/before.png")
[ "$width" -ge 10 ] && [ "$x0" -ge 238 ] && [ "$x0" -le 242 ] || fail "player not at its start ($x0, $width pixels wide)"

xdotool mousemove --window "$WINDOW" 224 248 keydown a
sleep 0.3
xdotool keyup a
expect_running_speed
[ "$(probe "$WORK/moving2.png" pixel 232 376)" = "000000" ] || fail "the pellet on the way is still there"

travolk_key "$WINDOW" p
sleep 0.3
shot paused1
sleep 0.5
shot paused2
probe "$WORK/paused1.png" same "$WORK/paused2.png" || fail "the picture moves while paused"
travolk_key "$WINDOW" p
sleep 0.3
shot resumed
probe "$WORK/paused2.png" same "$WORK/resumed.png" && fail "the picture is still frozen"
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "exit code"
[ "$(grep -a -x -E 'Pausing|Not pausing' "$WORK/out.log" | tr '\n' ' ')" = "Pausing Not pausing " ] || fail "pause lines"
expect_shutdown_last
echo "PASS"
