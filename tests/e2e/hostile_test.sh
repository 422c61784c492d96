#!/usr/bin/env bash
# Hostile resources: the real binary on broken run folders. Each case ends with its own
# lines, the whole shutdown, exit code 0 within a few seconds, and (in the sanitizer
# build) no sanitizer report.
source "$(dirname "$0")/lib.sh" "$1"
FIXTURES=$(cd "$E2E_DIR/../fixtures" && pwd)

# case NAME RUNS BREAK EXPECTED...: RUNS is "plays" when start-up succeeds and the game
# waits for Escape, "fails" when start-up fails; EXPECTED are lines (grep -E patterns,
# whole lines) that must appear in this order.
run_case() {
    local name=$1 runs=$2 breaker=$3
    shift 3
    rm -rf "$WORK/travolk" "$WORK/res" "$WORK/out.log" "$WORK/err.log"
    make_run_folder
    (cd "$WORK" && eval "$breaker")
    local started=$SECONDS
    (cd "$WORK" && exec timeout 30 ./travolk >"$WORK/out.log" 2>"$WORK/err.log") &
    GAME=$!
    if [ "$runs" = plays ]; then
        WINDOW=$(travolk_find_window) || fail "$name: the window did not open"
        travolk_quit "$WINDOW" "$GAME" || true
    fi
    local status=0
    wait "$GAME" || status=$?
    GAME=""
    [ "$status" = 0 ] || fail "$name: exit code $status"
    [ $((SECONDS - started)) -le 10 ] || fail "$name: took $((SECONDS - started)) s"
    grep -a -q -E "ERROR: (Address|Leak)Sanitizer|runtime error" "$WORK/err.log" && fail "$name: sanitizer report"
    local line=0 expected
    for expected in "$@"; do
        line=$(tail -n +$((line + 1)) "$WORK/out.log" | LC_ALL=C grep -a -n -x -E -m 1 -- "$expected" |
            cut -d: -f1 | awk -v base="$line" '{print base + $1}' || true)
        [ -n "$line" ] || fail "$name: no line matching '$expected' (in order)"
    done
    expect_shutdown_last
    echo "ok   $name"
}

picture_lost() { echo "Error: Failed to load res/gfx/$1\(.*\)"; }
FAILED="Game initialization failed"
OK="Game initialization successful"

run_case "no res folder" fails "rm -rf res" \
    "$(picture_lost bit.png)" "$(picture_lost zop.png)" "$(picture_lost map4.png)" "$(picture_lost unicorn.png)" \
    "Error: Texture 0 not loaded" "Error: Could not load map" "$FAILED"
id=0
for picture in bit zop map4 unicorn; do
    run_case "$picture.png missing" fails "rm res/gfx/$picture.png" \
        "$(picture_lost $picture.png)" "Error: Texture $id not loaded" "$FAILED"
    id=$((id + 1))
done
run_case "palette picture" fails "cp '$FIXTURES/palette.png' res/gfx/zop.png" \
    "Error: Corrupt image" "Error: Texture 1 not loaded" "$FAILED"
run_case "grey-scale picture" fails "cp '$FIXTURES/grey.png' res/gfx/bit.png" \
    "Error: Corrupt image" "Error: Texture 0 not loaded" "$FAILED"
run_case "truncated picture" fails "cp '$FIXTURES/truncated.png' res/gfx/map4.png" \
    "$(picture_lost map4.png)" "Error: Texture 2 not loaded" "$FAILED"
run_case "zero-byte picture" fails ": > res/gfx/unicorn.png" \
    "$(picture_lost unicorn.png)" "Error: Texture 3 not loaded" "$FAILED"
run_case "directory as a picture" fails "rm res/gfx/zop.png && mkdir res/gfx/zop.png" \
    "$(picture_lost zop.png)" "Error: Texture 1 not loaded" "$FAILED"
run_case "text file as a picture" fails "echo 'not a picture' > res/gfx/bit.png" \
    "$(picture_lost bit.png)" "Error: Texture 0 not loaded" "$FAILED"
run_case "no font" fails "rm res/fnt/libsans.ttf" "Error: Could not open font \(.*\)" "$FAILED"
run_case "font that is not a font" fails "echo 'not a font' > res/fnt/libsans.ttf" \
    "Error: Could not open font \(.*\)" "$FAILED"
run_case "no maze" plays "rm res/txt/map" "Error: Could not load map" "$OK"
# a directory opens but cannot be read: a read error, not an end of file
run_case "maze is a directory" plays "rm res/txt/map && mkdir res/txt/map" \
    "Error: unexpected character in map file: .*" "Error!" "$OK"
run_case "maze of random bytes" plays "head -c 4000 /dev/urandom > res/txt/map" "$OK"
run_case "maze of 100 MB" plays \
    "{ yes XDBSXDBSXDBSXDBSXDBSXDBSXDBS || true; } | head -c 100000000 > res/txt/map && [ \$(stat -c %s res/txt/map) = 100000000 ]" "$OK"
echo "PASS"
