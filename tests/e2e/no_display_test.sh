#!/usr/bin/env bash
# Without any X display the game says so, builds its level all the same, runs no frame,
# shuts down in order and exits 0, with no terminal codes in its output.
source "$(dirname "$0")/lib.sh" "$1"
make_run_folder
cd "$WORK"
# In the sanitizer build: SDL_ttf leaks its file reader when asked for a font before it
# started; SDL 2 (under sdl12-compat) has no frame pointers, so only the full unwinder
# reaches the frame that the leak's suppression names.
export LSAN_OPTIONS="${LSAN_OPTIONS:-}:fast_unwind_on_malloc=0"
status=0
env -u DISPLAY -u SDL_VIDEODRIVER timeout 20 ./travolk >out.log 2>err.log || status=$?
[ "$status" = 0 ] || fail "exit code $status"
# SDL's reason in the parentheses differs between SDL 1.2 implementations
[[ "$(head -n 1 out.log)" =~ ^Error:\ Failed\ to\ initialize\ SDL\ \(.+\)$ ]] || fail "first line"
grep -a -qx "Game initialization failed" out.log || fail "no failure summary"
grep -q $'\e' out.log && fail "terminal control codes in the log"
grep -a -qx "Pausing" out.log && fail "a frame ran"
expect_shutdown_last
echo "PASS"
