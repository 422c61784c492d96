#!/usr/bin/env bash
# On a 1920 x 1080 desktop: --scale, the picture enlarged by whole pixels in fullscreen
# (F11, Alt+Enter) and in a resized window, back to 448 x 496, the arrow keys, and the
# remembered choices with a damaged and an unwritable settings file.
if [ "${DESKTOP_SCREEN:-}" != 1 ]; then
    DESKTOP_SCREEN=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh" "$1"
make_run_folder
cd "$WORK"

geometry() { xdotool getwindowgeometry --shell "$WINDOW" | awk -F= '/WIDTH|HEIGHT/{printf "%s ", $2}'; }
# The window's picture, taken from the screen: SDL may draw a fullscreen picture into a
# window of its own. Without a window manager a fullscreen window may stay where it was
# opened, so it is moved to the corner first, as a window manager would.
window_shot() {
    xdotool windowmove --sync "$WINDOW" 0 0 >/dev/null 2>&1 || true
    sleep 0.3
    local width height
    read -r width height <<<"$(geometry)"
    import -window root -crop "${width}x${height}+0+0" +repage "$1.png"
}
# expect_enlarged SHOT X Y SCALE: SHOT holds the 1x picture enlarged by SCALE at (X, Y)
expect_enlarged() {
    convert one.png -sample "$(($4 * 100))%" big.png
    convert "$1.png" -crop "$((448 * $4))x$((496 * $4))+$2+$3" +repage crop.png
    [ "$(compare -metric AE big.png crop.png null: 2>&1)" = 0 ] || fail "$1 is not the 1x picture enlarged $4 times at $2,$3"
}
# keys are held for 0.3 s: an enlarged frame in the sanitizer build may take longer than
# the usual 80 ms hold
press() { travolk_key "$WINDOW" "$1" 0.3; sleep 0.5; }
# waits up to five seconds for the window to take a size
wait_geometry() {
    for _ in $(seq 50); do
        [ "$(geometry)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "the window is $(geometry), not $1"
}

# --scale 2, then everything on one paused picture; the pad's dead zone set by hand, the
# smallest the file takes, is kept through what the game remembers
mkdir -p config/travolk
printf 'pad_dead_zone=0.00001\n' >config/travolk/settings
start_game --scale 2
wait_geometry "896 992 "
press p
window_shot two
xdotool windowsize --sync "$WINDOW" 448 496
sleep 0.5
window_shot one
expect_enlarged two 0 0 2

press F11
wait_geometry "1920 1080 "
window_shot full
expect_enlarged full 512 44 2
[ "$(probe full.png pixel 511 540)" = 000000 ] && [ "$(probe full.png pixel 1408 540)" = 000000 ] || fail "not black around"
press F11
wait_geometry "448 496 "
window_shot back
probe one.png same back.png || fail "the window after fullscreen differs"

xdotool mousemove --window "$WINDOW" 224 248 keydown Alt_L keydown Return
sleep 0.3
xdotool keyup Return keyup Alt_L
sleep 0.5
wait_geometry "1920 1080 "
xdotool mousemove --window "$WINDOW" 224 248 keydown Alt_L keydown Return
sleep 0.3
xdotool keyup Return keyup Alt_L
sleep 0.5
wait_geometry "448 496 "

xdotool windowsize --sync "$WINDOW" 1000 1100
sleep 0.5
window_shot resized
expect_enlarged resized 52 54 2
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "exit code $?"
[ "$(grep -c '^Changing window size: 1920, 1080$' out.log)" = 2 ] || fail "fullscreen lines"
[ "$(grep -v '^#' config/travolk/settings)" = $'fullscreen=0\nscale=2\npad_dead_zone=0.00001' ] ||
    fail "settings: $(cat config/travolk/settings)"

# remembered: the next run opens at scale 2; the arrow keys steer like the letters
start_game
wait_geometry "896 992 "
# the window may take its size before its first frame is drawn
for _ in $(seq 50); do
    window_shot before
    read -r x0 _ _ < <(player_in before.png)
    [ "$x0" -ge 0 ] && break
    sleep 0.1
done
xdotool mousemove --window "$WINDOW" 224 248 keydown Left
sleep 0.3
xdotool keyup Left
window_shot after
read -r x1 _ _ < <(player_in after.png)
[ "$x1" -lt $((x0 - 20)) ] || fail "Left moved the player from $x0 to $x1"
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "exit code $?"
grep -q "Damaged settings" out.log && fail "the remembered settings read as damaged"

# damaged: one line, the defaults, and the file written anew at the end
printf 'scale=banana\n' >config/travolk/settings
start_game --fullscreen
wait_geometry "1920 1080 "
sleep 0.5
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "exit code $?"
[ "$(head -n 1 out.log)" = "Error: Damaged settings file $WORK/config/travolk/settings, using the defaults" ] || fail "damaged line"
grep -qx "fullscreen=1" config/travolk/settings || fail "fullscreen not remembered"

# unwritable: one line at the end, the game played all the same
rm -rf config && echo "not a folder" >config
start_game --scale 2
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "unwritable: exit code $?"
[ "$(tail -n 1 out.log)" = "Error: Could not write settings file $WORK/config/travolk/settings" ] || fail "unwritable line"
echo "PASS"
