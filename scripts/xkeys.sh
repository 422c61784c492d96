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

# travolk_quit WINDOW PID: presses Escape until the game has ended, for about ten seconds.
# The window shows before the game reads keys, and sdl12-compat drops a key that comes
# that early, so one press is not always enough.
travolk_quit() {
    for _ in $(seq 10); do
        travolk_key "$1" Escape 0.1 2>/dev/null || true
        for _ in $(seq 10); do
            kill -0 "$2" 2>/dev/null || return 0
            sleep 0.1
        done
    done
    return 1
}
