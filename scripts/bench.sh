#!/usr/bin/env bash
# scripts/bench.sh: builds Release and measures, in a virtual display with Mesa's software
# OpenGL: the benchmarks of bench/ (median of 5 repetitions), the real frame loop over
# 1 000 frames, and the start-up of the game against a bare program that only opens the
# same window (median of 7 runs each). Prints one table; leaves the frame periods in
# build/frames.csv and their picture in build/frames.png.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
travolk_install_test_packages
travolk_build >/dev/null
cd "$TRAVOLK_BUILD"

"${TRAVOLK_XVFB[@]}" ./bench/travolk_bench --benchmark_repetitions=5 --benchmark_out=bench.csv \
    --benchmark_out_format=csv >bench.log 2>&1
"${TRAVOLK_XVFB[@]}" ./bench/frame_pacing 1000 frames.csv >pacing.log 2>/dev/null
./bench/plot_frames frames.csv frames.png
# the same loop fullscreen on a 1920 x 1080 screen, where the frame is drawn twice as large
xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" ./bench/frame_pacing 1000 frames-fullscreen.csv --fullscreen \
    >pacing-fullscreen.log 2>/dev/null
: >startup.log
for _ in 1 2 3 4 5 6 7; do
    "${TRAVOLK_XVFB[@]}" ./bench/startup_bare_window 2>/dev/null | sed 's/^/bare /' >>startup.log
    "${TRAVOLK_XVFB[@]}" ./bench/startup_game 2>/dev/null | sed 's/^/game /' >>startup.log
done

median_of() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
bench() { # NAME: the median of the repetitions, with its unit
    grep -E "^\"$1(/[^\"]*)?_median\"" bench.csv | awk -F, '{printf "%.3f %s", $3, $5}'
}
startup() { # WHO FIELD: field 4 is the milliseconds, field 11 the KiB
    grep "^$1 " startup.log | awk -v f="$2" '{print $f}' | median_of
}
bare_ms=$(startup bare 4); game_ms=$(startup game 4)
bare_kib=$(startup bare 11); game_kib=$(startup game 11)

printf '%-46s %-22s %s\n' "measure" "this machine" "target"
printf '%-46s %-22s %s\n' "collision pass of one frame" "$(bench BM_CollisionPass)" "-"
printf '%-46s %-22s %s\n' "logic of one frame" "$(bench BM_FrameLogic)" "<= 50 us"
printf '%-46s %-22s %s\n' "whole frame with drawing and swap" "$(bench BM_WholeFrame)" "<= 3 ms"
printf '%-46s %-22s %s\n' "Map::LoadMap of the shipped maze" "$(bench BM_LoadMap)" "-"
printf '%-46s %-22s %s\n' "Graphics::LoadGraphics (pictures, 128 glyphs)" "$(bench BM_LoadGraphics)" "-"
printf '%-46s %-22s %s\n' "Game::Initialize" "$(bench BM_Initialize)" "-"
printf '%-46s %-22s %s\n' "Game::Close" "$(bench BM_Close)" "-"
sed -n 's/^period /frame period /p; s/^frames over/frames over/p; s/^work per frame/work per frame/p' pacing.log |
    awk '{printf "%-46s\n", $0}'
sed -n 's/^period /fullscreen 1920 x 1080: frame period /p; s/^work per frame/fullscreen 1920 x 1080: work per frame/p' \
    pacing-fullscreen.log
printf '%-46s %-22s %s\n' "start-up to first frame: bare window" "$bare_ms ms" ""
printf '%-46s %-22s %s\n' "start-up to first frame: game" "$game_ms ms" "<= bare + 60 ms"
printf '%-46s %-22s %s\n' "resident after start-up: bare window" "$bare_kib KiB" ""
printf '%-46s %-22s %s\n' "resident after start-up: game" "$game_kib KiB" "<= bare + 30 MB"
