#!/usr/bin/env bash
# Played for real: holding a moves the player left at a pixel a frame, eating the pellets
# on its way; p freezes the picture and p again lets it go on; Escape quits.
source "$(dirname "$0")/lib.sh" "$1"
make_run_folder
start_game
sleep 0.5
shot before
[ "$(probe "$WORK/before.png" pixel 232 376)" != "000000" ] || fail "no pellet left of the player"
read -r x0 _ count < <(probe "$WORK/before.png" find FFF2B0 40)
[ "$count" -gt 20 ] && [ "$x0" -ge 244 ] && [ "$x0" -le 248 ] || fail "player not at its start ($x0, $count pixels)"

xdotool mousemove --window "$WINDOW" 224 248 keydown a
sleep 0.3
xdotool keyup a
# A screenshot is taken at some moment while import runs, which a loaded machine stretches:
# the time between the two lies between the gap of the two runs and their whole span.
now_ms() { echo $(($(date +%s%N) / 1000000)); }
t1=$(now_ms)
shot moving1
t2=$(now_ms)
sleep 1
t3=$(now_ms)
shot moving2
t4=$(now_ms)
read -r x1 _ _ < <(probe "$WORK/moving1.png" find FFF2B0 40)
read -r x2 _ _ < <(probe "$WORK/moving2.png" find FFF2B0 40)
moved=$((x1 - x2))
echo "moved $moved pixels in $((t3 - t2)) to $((t4 - t1)) ms"
# a pixel a frame at 62.5 frames a second, within a fifth
[ $((moved * 1000 * 5)) -ge $((62 * 4 * (t3 - t2))) ] && [ $((moved * 1000 * 5)) -le $((63 * 6 * (t4 - t1))) ] ||
    fail "moved $moved pixels in $((t3 - t2)) to $((t4 - t1)) ms, not about 62 a second"
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
