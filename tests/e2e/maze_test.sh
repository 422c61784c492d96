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

# every cell's centre: a wall's fill, a pellet's white or green, away from the actors
convert shot.png txt:- | awk -F'[,: ]+' '$1 % 16 == 8 && $2 % 16 == 8 {print int($2 / 16), int($1 / 16), $0}' |
    sed -E 's/^([0-9]+) ([0-9]+) .*#([0-9A-F]{6}).*/\1 \2 \3/' >centres.txt
wrong=$(awk 'NR == FNR {row[NR - 1] = $0; next}
    {r = $1; c = $2; cell = substr(row[r], c + 1, 1)
     if ((r >= 10 && r <= 12) || (r >= 22 && r <= 24 && c >= 13 && c <= 17)) next
     if (cell == "X" && $3 != "101850") print r "," c " wall " $3
     if ((cell == "D" || cell == "B") && ($3 == "000000" || $3 == "101850")) print r "," c " pellet " $3}' \
    cross/res/txt/map centres.txt)
[ -z "$wrong" ] || fail "cells not as the file says: $(echo "$wrong" | head -n 5)"
[ "$(wc -l <centres.txt)" = 868 ] || fail "read $(wc -l <centres.txt) cell centres"
echo "PASS"
