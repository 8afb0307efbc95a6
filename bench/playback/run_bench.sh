#!/usr/bin/env bash
# Makes three 1920x1080 30 fps channels of one recording (once, into the build
# tree) and runs bench_playback on them: three embedded displays, then three
# standalone mpv processes, 30 s of video each. Runs on a virtual X display
# when there is none.
# Usage: bench/playback/run_bench.sh [build dir] [seconds]
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$src/build}
seconds=${2:-30}
videos=$build/bench-videos
mkdir -p "$videos"
length=$((seconds + 3))
files=()
for spec in A:0 B:120 C:240; do
  letter=${spec%%:*} hue=${spec##*:}
  f=$videos/2019_0523_143005_001${letter}_1080p_${length}s.mp4
  if [ ! -s "$f" ]; then
    echo "making $f"
    ffmpeg -nostdin -loglevel error -y \
      -f lavfi -i "testsrc2=size=1920x1080:rate=30:duration=$length,hue=h=$hue,drawtext=font=monospace:fontsize=96:fontcolor=white:box=1:boxcolor=black@0.6:x=60:y=60:text='$letter %{pts\:hms}'" \
      -c:v libx264 -preset veryfast -profile:v high -b:v 10M -maxrate 12M -bufsize 20M -g 30 \
      -pix_fmt yuv420p -movflags +faststart "$f.part.mp4"
    mv "$f.part.mp4" "$f"
  fi
  files+=("$f")
done
bench=$build/bench/playback/bench_playback
if [ -n "${DISPLAY:-}" ]; then
  "$bench" --seconds "$seconds" "${files[@]}"
else
  xvfb-run -a -s "-screen 0 1920x1080x24" "$bench" --seconds "$seconds" "${files[@]}"
fi
