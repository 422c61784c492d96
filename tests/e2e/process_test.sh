#!/usr/bin/env bash
# The game as a process: a log reader that goes away, standard descriptors closed at start,
# and the signals that ask it to end. Each time the game plays on and ends in order with 0.
source "$(dirname "$0")/lib.sh" "$1"
make_run_folder
cd "$WORK"

# a reader that takes the first line and leaves
mkfifo log.fifo
./travolk >log.fifo 2>err.log &
GAME=$!
head -n 1 <log.fifo >head.log
WINDOW=$(travolk_find_window) || fail "gone after its reader left"
sleep 0.5
kill -0 "$GAME" || fail "gone after its reader left"
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "reader gone: exit code $?"
[ "$(cat head.log)" = "Loading graphics" ] || fail "the reader's line"

# standard output closed: the X connection must not take its place
./travolk >&- 2>err.log &
GAME=$!
WINDOW=$(travolk_find_window) || fail "no window with standard output closed"
travolk_quit "$WINDOW" "$GAME" || true
wait_exit 10 || fail "standard output closed: exit code $?"

# SIGTERM and SIGINT end it like the window's close (a background job of a script starts
# with SIGINT ignored, hence the default put back for the game)
for signal in TERM INT; do
    env --default-signal=INT ./travolk >out.log 2>err.log &
    GAME=$!
    travolk_find_window >/dev/null || fail "no window before SIG$signal"
    sleep 0.5
    kill -s "$signal" "$GAME"
    wait_exit 10 || fail "SIG$signal: exit code $?"
    expect_shutdown_last
done
echo "PASS"
