#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS]: fuzzes each target for SECONDS (60 by default). New inputs go
# to a scratch copy of the corpus; a crash is saved into tests/fuzz/corpus/TARGET/, where
# the test command replays it from then on.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
travolk_install_test_packages
seconds=${1:-60}
travolk_build_sanitized >/dev/null
travolk_sanitizer_env
unset LD_PRELOAD # the fuzz targets open no display
status=0
for target in map collision picture; do
    corpus="$TRAVOLK_ROOT/tests/fuzz/corpus/$target"
    scratch=$(mktemp -d)
    cp "$corpus"/* "$scratch"/
    if ! "$TRAVOLK_ROOT/build-sanitize/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$corpus/crash-" "$scratch" >"$scratch.log" 2>&1; then
        echo "$target: CRASH, input saved in $corpus"
        status=1
    fi
    runs=$(grep -a -o 'stat::number_of_executed_units: *[0-9]*' "$scratch.log" | grep -o '[0-9]*$' || echo "?")
    echo "$target: $runs executions in $seconds s, corpus $(ls "$scratch" | wc -l) inputs"
    rm -rf "$scratch" "$scratch.log"
done
exit $status
