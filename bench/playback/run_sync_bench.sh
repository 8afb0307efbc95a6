#!/usr/bin/env bash
# Runs bench_sync on a five-minute three-channel 1920x1080 30 fps recording
# (made once into the build tree by the sample maker; it takes a while): the
# displays on their own clocks, then kept in step, with one core kept busy.
# Usage: bench/playback/run_sync_bench.sh [build dir] [seconds played per run]
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$src/build}
seconds=${2:-120}
samples=$build/bench-samples-300
"$build/tools/samples/tavrin-make-samples" "$samples" --set bench --seconds 300
# The set's one recording: front (A), rear (B) and interior (C) channels.
files=("$samples"/*A.MP4 "$samples"/*B.MP4 "$samples"/*C.MP4)
bench=$build/bench/playback/bench_sync
if [ -n "${DISPLAY:-}" ]; then
  "$bench" --seconds "$seconds" "${files[@]}"
else
  xvfb-run -a -s "-screen 0 1920x1080x24" "$bench" --seconds "$seconds" "${files[@]}"
fi
