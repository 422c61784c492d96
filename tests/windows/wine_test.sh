#!/usr/bin/env bash
# The Windows game from its zip, under Wine in a virtual display, beside the Linux game
# built from the same sources: the log in stdout.txt, the picture, w/a/s/d, the fullscreen
# switch keeping every texture, Escape with exit code 0, the command line, and a missing
# picture and maze.
# Usage: tests/windows/wine_test.sh ZIP LINUX_BUILD
if [ "${WINE_TEST_SCREEN:-}" != 1 ]; then
    WINE_TEST_SCREEN=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
fi
ZIP=$(realpath "$1")
source "$(dirname "$0")/../e2e/lib.sh" "$2"
trap 'if [ -n "${GAME:-}" ]; then kill "$GAME" 2>/dev/null || true; fi; wineserver -k 2>/dev/null || true; [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"' EXIT

# a Wine of its own, without the .NET and browser add-ons it would offer to fetch
export WINEPREFIX="$WORK/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1 || fail "wineboot"
unzip -q "$ZIP" -d "$WORK/windows"
GAME_DIR="$WORK/windows/travolk"
[ -f "$GAME_DIR/travolk.exe" ] || fail "no travolk.exe in the zip"

start_windows_game() {
    rm -f "$GAME_DIR/stdout.txt"
    (cd "$GAME_DIR" && exec wine travolk.exe "$@" >/dev/null 2>&1) &
    GAME=$!
}
# stdout.txt with the line ends of a Windows text file taken off
windows_log() { tr -d '\r' <"$GAME_DIR/stdout.txt"; }
# the lines without the enemies' random decisions (lines of digits)
without_decisions() { grep -a -v -x -E '[0-9]+'; }
# the start-up lines
startup() { sed -n '1,/^Game initialization/p' | without_decisions; }
# hold KEY for SECONDS and print the player's place afterwards: X Y WIDTH (player_in)
move() {
    travolk_key "$WINDOW" "$1" "$2"
    sleep 0.3
    import -window "$WINDOW" "$WORK/move.png"
    player_in "$WORK/move.png"
}

# The Linux game's start, picture and log, to hold the Windows game to.
make_run_folder
start_game
sleep 1
import -window "$WINDOW" "$WORK/linux.png"
travolk_key "$WINDOW" Escape
wait_exit 10 || fail "the Linux game: exit code $?"
startup <"$WORK/out.log" >"$WORK/linux-startup.log"

start_windows_game
WINDOW=$(travolk_find_window) || fail "the Windows game's window did not open"
[ "$(xdotool getwindowgeometry --shell "$WINDOW" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' ')" = "WIDTH=448 HEIGHT=496 " ] ||
    fail "the window is not 448 x 496"
sleep 1
import -window "$WINDOW" "$WORK/windows.png"
windows_log | startup >"$WORK/windows-startup.log"
diff -a "$WORK/linux-startup.log" "$WORK/windows-startup.log" >/dev/null || fail "start-up lines differ from Linux"
grep -a -q -x 'Game initialization successful' "$WORK/windows-startup.log" || fail "no successful start"

# Same pictures, same renderer: the frames differ only where the four wandering enemies
# are, 13 x 13 pixels each, in either frame.
differing=$(compare -metric AE "$WORK/linux.png" "$WORK/windows.png" null: 2>&1 || true)
echo "pixels differing from the Linux frame: $differing"
[ "$differing" -le $((2 * 4 * 13 * 13)) ] || fail "the picture differs from Linux in $differing pixels"

# From the start, w leads up a corridor, s back down to the row, d and a along it.
read -r x0 y0 _ <<<"$(player_in "$WORK/windows.png")"
read -r _ y1 _ <<<"$(move w 0.4)"
read -r _ y2 _ <<<"$(move s 0.8)"
read -r x3 _ _ <<<"$(move d 0.4)"
read -r x4 _ _ <<<"$(move a 0.4)"
echo "player: start $x0,$y0; after w y=$y1, s y=$y2, d x=$x3, a x=$x4"
[ "$y1" -lt "$y0" ] && [ "$y2" -gt "$y1" ] && [ "$x3" -gt "$x0" ] && [ "$x4" -lt "$x3" ] ||
    fail "w/a/s/d did not move the player"

# A new context at every change of video mode: the textures come through the switch.
travolk_key "$WINDOW" p
sleep 0.3
import -window "$WINDOW" "$WORK/before.png"
travolk_key "$WINDOW" F11 0.3
sleep 1.5
# the desktop is 1024 x 768: the paused picture, whole, in its middle
import -window root -crop 448x496+288+136 +repage "$WORK/fullscreen.png"
[ "$(compare -metric AE "$WORK/before.png" "$WORK/fullscreen.png" null: 2>&1)" = 0 ] ||
    fail "the fullscreen frame differs from the window's"
travolk_key "$WINDOW" F11 0.3
sleep 1.5
import -window "$WINDOW" "$WORK/after.png"
[ "$(compare -metric AE "$WORK/before.png" "$WORK/after.png" null: 2>&1)" = 0 ] ||
    fail "the frame after the fullscreen round trip differs"
travolk_key "$WINDOW" Escape
wait_exit 15 || fail "exit code $?"
windows_log >"$WORK/windows.log"
[ "$(grep -a -c -x -E 'Changing window size: (1024, 768|448, 496)' "$WORK/windows.log")" = 2 ] ||
    fail "the fullscreen switch lines"
grep -a -q -E '^Could not (create temporary rendering context|copy rendering context data)$' "$WORK/windows.log" &&
    fail "the textures were not shared before the switch"
[ "$(tail -n 12 "$WORK/windows.log")" = "$SHUTDOWN" ] || fail "stdout.txt does not end with the shutdown lines"

# The command line: an answer in stdout.txt, a mistake in stderr.txt and status 2.
rm -f "$GAME_DIR/stdout.txt" "$GAME_DIR/stderr.txt"
(cd "$GAME_DIR" && wine travolk.exe --version >/dev/null 2>&1) || fail "--version: exit code $?"
[ "$(windows_log)" = "$("$WORK/travolk" --version)" ] || fail "--version says $(windows_log)"
status=0
(cd "$GAME_DIR" && wine travolk.exe --bogus >/dev/null 2>&1) || status=$?
[ "$status" = 2 ] && grep -a -q 'unknown option --bogus' "$GAME_DIR/stderr.txt" || fail "an unknown option"

# A missing picture and a missing maze: the same lines as the Linux game's, and an end.
rm "$WORK/res/gfx/zop.png" "$WORK/res/txt/map" "$GAME_DIR/res/gfx/zop.png" "$GAME_DIR/res/txt/map"
(cd "$WORK" && ./travolk >"$WORK/broken-linux.log" 2>/dev/null) || fail "the Linux game failed"
start_windows_game
wait_exit 15 || fail "exit code $? with a missing maze"
diff -a <(without_decisions <"$WORK/broken-linux.log") <(windows_log | without_decisions) || fail "the lines for a missing picture and maze differ"
grep -a -q -x 'Error: Could not load map' "$WORK/broken-linux.log" || fail "no line for the missing maze"
echo "PASS"
