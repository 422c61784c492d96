#!/usr/bin/env bash
# Inside a virtual display: starts the game, takes a screenshot after three seconds,
# then sends Escape the way a keyboard would (key down, a frame or more, key up).
set -euo pipefail
cd "$1"
source "$(dirname "$0")/xkeys.sh"
./travolk >travolk.log 2>travolk.err &
game=$!
window=$(travolk_find_window) || { kill "$game"; echo "The game's window did not open; see travolk.log"; exit 1; }
sleep 3
import -window "$window" screenshot.png
travolk_key "$window" Escape
wait "$game"
