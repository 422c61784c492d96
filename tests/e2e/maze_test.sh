#!/usr/bin/env bash
# The players' maze tool: a broken maze gets a report with line and column, a good one
# becomes a data folder that the real game plays, with the pellets and the walls where
# the file puts them.
source "$(dirname "$0")/lib.sh" "$1"
TOOL="$BUILD/tools/travolk-maze"
SOURCE=$(cd "$E2E_DIR/../.." && pwd)
cd "$WORK"

for maze in "$SOURCE/res/txt/map" "$SOURCE"/mazes/*; do
    [ -z "$("$TOOL" check "$maze")" ] || [[ "$maze" == */mazes/* ]] || fail "the shipped maze has findings"
    "$TOOL" check "$maze" >/dev/null || fail "$maze is not playable"
done
sed '24s/./X/16' "$SOURCE/res/txt/map" >blocked
status=0
"$TOOL" check blocked >report.txt || status=$?
[ "$status" = 1 ] || fail "a blocked start gave exit $status"
# the walled start is the one finding: what cannot be reached from it follows from it
[ "$(cat report.txt)" = "blocked:24:16: error: the player's start is not free" ] || fail "report: $(head -n 5 report.txt)"
status=0
"$TOOL" check no-such-file 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "a missing file gave exit $status"
status=0
"$TOOL" build blocked refused --datadir "$BUILD" >/dev/null || status=$?
[ "$status" = 1 ] && [ ! -e refused ] || fail "an unplayable maze was built ($status)"

"$TOOL" build "$SOURCE/mazes/crossroads" cross --datadir "$BUILD" >/dev/null || fail "build"
cp "$BUILD/travolk" "$WORK/"
(exec ./travolk --datadir cross >out.log 2>err.log) &
GAME=$!
WINDOW=$(travolk_find_window) || fail "the window did not open"
sleep 0.5
import -window "$WINDOW" shot.png
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "exit code $?"

expect_cells_as_in shot.png cross/res/txt/map
echo "PASS"
