#!/usr/bin/env bash
# Inside a virtual display: the game under the given valgrind command for SECONDS while
# w, a, s and d are held in turn, then Escape, held until the slowed game has read it.
set -euo pipefail
source "$(dirname "$0")/xkeys.sh"
seconds=$1
shift
"$@" ./travolk >valgrind-game.log 2>valgrind-game.err &
game=$!
window=$(travolk_find_window)
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
    for key in a w d s; do
        travolk_key "$window" "$key" 1
    done
done
xdotool mousemove --window "$window" 224 248 keydown Escape
wait "$game"
xdotool keyup Escape
