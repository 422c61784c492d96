#!/usr/bin/env bash
# scripts/valgrind.sh [SECONDS]: the real binary under valgrind's leak check in a virtual
# display for SECONDS (20 by default) while keys steer it, then Escape; then the soak
# driver under valgrind for 400 frames, with its restarts; then the test binary as one
# process. Prints the leak summaries, every definitely lost block whose stack reaches the
# game's own code, and any invalid read, write or free of the tests.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
travolk_install_test_packages
travolk_install_packages valgrind
travolk_build >/dev/null
cd "$TRAVOLK_BUILD"
VALGRIND=(valgrind --leak-check=full --num-callers=40)

"${TRAVOLK_XVFB[@]}" bash "$TRAVOLK_ROOT/scripts/valgrind-play.sh" "${1:-20}" "${VALGRIND[@]}"
"${TRAVOLK_XVFB[@]}" "${VALGRIND[@]}" ./tests/soak/travolk_soak 400 >valgrind-soak.log 2>valgrind-soak.err || true

# Each definitely lost block by the first frame that is not the allocator itself: the game's
# own code would show here as a Class::Function.
for run in game soak; do
    echo "== $run: $(grep -a -c -x 'Deleting Objects' "valgrind-$run.log" || true) levels destroyed"
    grep -a -E "definitely lost:|indirectly lost:" "valgrind-$run.err" || echo "no leaks at all"
    awk '/definitely lost in loss record/ {size = $2; owner = ""; next}
         size != "" && / by 0x/ && owner == "" && !/vgpreload|strdup|realloc|calloc|malloc/ {
             owner = $0; sub(/.*by 0x[0-9A-F]+: /, "", owner); print "   " size " bytes allocated in " owner; size = ""}' \
        "valgrind-$run.err"
done

# The test binary as one process, each case after the others, but the bot's play-throughs
# (minutes each under valgrind): every case must leave the process sound for the next.
"${TRAVOLK_XVFB[@]}" valgrind --num-callers=40 --suppressions="$TRAVOLK_ROOT/tests/sanitizer/valgrind.supp" \
    ./tests/travolk_tests --gtest_filter='-*PlayThrough*' \
    >valgrind-tests.log 2>valgrind-tests.err || true
echo "== tests in one process: $(grep -a -c '^\[       OK' valgrind-tests.log) passed"
grep -a -E "Invalid (read|write|free)|Mismatched free" valgrind-tests.err | sort | uniq -c || echo "no invalid read, write or free"
