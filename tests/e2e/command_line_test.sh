#!/usr/bin/env bash
# The command line, read before SDL starts and so without a display: help, version,
# mistakes; then --datadir runs the game from elsewhere, in a window of the game's class.
source "$(dirname "$0")/lib.sh" "$1"
make_run_folder
cd "$WORK"
nodisplay() { env -u DISPLAY ./travolk "$@" >stdout.txt 2>stderr.txt; }

nodisplay --help || fail "--help exit $?"
grep -q -- "--datadir DIR" stdout.txt && [ ! -s stderr.txt ] || fail "--help output"
# the README's table of options is the usage's list
usage_options=$(sed -n 's/^  \(--[a-z]*\( [A-Z][A-Z]*\)\?\)  .*/\1/p' stdout.txt)
readme_options=$(sed -n 's/^| `\(--[^`]*\)` |.*/\1/p' "$E2E_DIR/../../README.md")
[ -n "$usage_options" ] && [ "$usage_options" = "$readme_options" ] ||
    fail "README's options: $(echo $readme_options), the usage's: $(echo $usage_options)"
nodisplay --version || fail "--version exit $?"
# the changelog's newest version, whole
version=$(sed -n '1s/^travolk (\([^)]*\)) .*/\1/p' "$E2E_DIR/../../debian/changelog")
[ "$(cat stdout.txt)" = "travolk $version" ] || fail "version line: $(cat stdout.txt), not travolk $version"

# mistake -> exit 2, nothing on standard output
while IFS='|' read -r args what; do
    status=0
    nodisplay $args || status=$?
    [ "$status" = 2 ] && [ ! -s stdout.txt ] || fail "$args: exit $status"
    grep -q -- "$what" stderr.txt || fail "$args: no '$what' in $(cat stderr.txt)"
    [[ "$what" != Error:* ]] || [ "$(wc -l <stderr.txt)" = 1 ] || fail "$args: more than one line"
done <<'CASES'
--fly|Usage: travolk
--datadir|Usage: travolk
--datadir /no/such/folder|Error: Could not enter the data folder /no/such/folder (
--scale 0|Error: --scale needs a whole number from 1 to 8
--scale 9|Error: --scale needs a whole number from 1 to 8
--scale two|Error: --scale needs a whole number from 1 to 8
--scale|Error: --scale needs a whole number from 1 to 8
--seed|Error: --seed needs a whole number from 0 to 4294967295
--seed 4294967296|Error: --seed needs a whole number from 0 to 4294967295
--seed -1|Error: --seed needs a whole number from 0 to 4294967295
--seed 1e3|Error: --seed needs a whole number from 0 to 4294967295
CASES

# played from /, with the run folder given
cp travolk /tmp/travolk-e2e-bin.$$
(cd / && exec "/tmp/travolk-e2e-bin.$$" --datadir "$WORK" >"$WORK/out.log" 2>"$WORK/err.log") &
GAME=$!
WINDOW=$(travolk_find_window) || fail "the window did not open"
xdotool search --class '^travolk$' | grep -qx "$WINDOW" || fail "the window's class is not travolk"
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "exit code $?"
rm -f "/tmp/travolk-e2e-bin.$$"
grep -a -qx "Game initialization successful" out.log || fail "no successful start"
echo "PASS"
