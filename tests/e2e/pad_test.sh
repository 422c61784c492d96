#!/usr/bin/env bash
# A pad plays the real game: its hat steers the player at the keys' speed, its stick turns
# it, the pause button chosen in the settings file pauses. Classic SDL 1.2 reads a
# joystick's js_event records from the file named in SDL_JOYSTICK_DEVICE; here a FIFO the
# test writes, given a hat by SDL_LINUX_JOYSTICK. sdl12-compat reads pads through SDL 2
# only, so the test is skipped under it (the mapping is held by the native tests there).
source "$(dirname "$0")/lib.sh" "$1"
library=$(ldd "$BUILD/travolk" | awk '/libSDL-1\.2/ {print $3}')
if grep -q SDL12COMPAT "$library"; then
    echo "SKIP: sdl12-compat reads pads through SDL 2, not from a device file"
    exit 77
fi
make_run_folder
# js_event: its time, value, type (1 a button, 2 an axis) and number; the hat is axes 2 and 3
pad() { perl -e 'print pack("LsCC", 0, @ARGV)' -- "$@" >&3; }
AXIS=2
BUTTON=1
# SDL gives a device it cannot ask two buttons: the second is made the pause button
PAUSE=1
mkdir -p "$WORK/config/travolk"
printf 'pad_pause=%s\n' $PAUSE >"$WORK/config/travolk/settings"
player() { player_in "$WORK/$1.png"; }
# held for a few steps, as a finger holds it: a press and release read in one step are not seen
press_pause() {
    pad 1 $BUTTON $PAUSE
    sleep 0.15
    pad 0 $BUTTON $PAUSE
    sleep 0.3
}
# under this seed no enemy reaches the player on its way left to the wall and up while the
# test looks, at the game's own pace
SEED=7

trap 'kill "$GAME" 2>/dev/null || true' EXIT
mkfifo "$WORK/pad"
# held open for reading and writing, so neither the game's open nor the test's waits
exec 3<>"$WORK/pad"
export SDL_JOYSTICK_DEVICE="$WORK/pad" SDL_LINUX_JOYSTICK="'$WORK/pad' 2 1 0"
start_game --seed $SEED
sleep 0.5
pad 0 $AXIS 2
pad 0 $AXIS 3
shot before
read -r x0 y0 _ < <(player before)

# the hat left: the player runs left at a pixel a step, as with the left arrow
pad -32767 $AXIS 2
sleep 0.3
expect_running_speed
[ "$RUN_X1" -lt "$x0" ] || fail "the hat did not steer left: $x0 to $RUN_X1"

# at the row's wall, nine cells left of the start, the stick up turns it into the
# corridor above
sleep 1.5
pad 0 $AXIS 2
pad -32767 $AXIS 1
sleep 0.5
pad 0 $AXIS 1
shot turned
read -r x3 y3 _ < <(player turned)
wall=$((x0 - 9 * 16))
[ "$y3" -lt "$y0" ] && [ "$x3" -ge $((wall - 2)) ] && [ "$x3" -le $((wall + 2)) ] ||
    fail "the stick did not turn the player up at the wall ($wall, $y0): ($x3, $y3)"

# the pause button pauses: the player stands still until it is pressed again
press_pause
shot paused1
sleep 0.5
shot paused2
probe "$WORK/paused1.png" same "$WORK/paused2.png" || fail "the game ran on after the pause button"
[ "$(grep -a -c -x 'EOF reached' "$WORK/out.log")" = 1 ] || fail "an enemy caught the player: seed $SEED no longer keeps them away"
press_pause
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "exit code $?"
[ "$(grep -c -x -E 'Pausing|Not pausing' "$WORK/out.log")" = 2 ] || fail "the pause button did not pause and go on"
echo "PASS"
