#!/usr/bin/env bash
# Key presses for the game under a virtual display. Xvfb has no window manager, so X
# delivers keys to the window under the pointer; the game reads its key table once a
# frame, so a key is held for about 80 ms.

# Prints the id of the game's window once it is visible; fails after about ten seconds.
travolk_find_window() {
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Travolk$' 2>/dev/null | tail -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || return 1
    xdotool mousemove --window "$window" 224 248
    echo "$window"
}

# travolk_key WINDOW KEY [SECONDS]: holds KEY over the window, for 0.08 s by default.
travolk_key() {
    xdotool mousemove --window "$1" 224 248
    xdotool keydown "$2"
    sleep "${3:-0.08}"
    xdotool keyup "$2"
}
