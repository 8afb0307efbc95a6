#!/usr/bin/env bash
# Runs bench_playback on the sample maker's bench recording (three channels,
# 1920x1080, 30 fps, 60 s; made once into the build tree, about 3 min):
# three embedded displays, then three standalone mpv processes, 30 s of video
# each. Runs on a virtual X display when there is none.
# Usage: bench/playback/run_bench.sh [build dir] [seconds] [--window]
# --window plays the recording in the whole main window (track and map
# included) instead of three bare displays.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$src/build}
seconds=${2:-30}
mode=()
if [ "${3:-}" = --window ]; then mode=(--window); fi
samples=$build/bench-samples
"$build/tools/samples/tavrin-make-samples" "$samples" --set bench
files=("$samples/2019_0523_143005_001A.MP4" "$samples/2019_0523_143006_002B.MP4"
       "$samples/2019_0523_143005_001C.MP4")
bench=$build/bench/playback/bench_playback
if [ -n "${DISPLAY:-}" ]; then
  "$bench" "${mode[@]}" --seconds "$seconds" "${files[@]}"
else
  xvfb-run -a -s "-screen 0 1920x1080x24" "$bench" "${mode[@]}" --seconds "$seconds" "${files[@]}"
fi
