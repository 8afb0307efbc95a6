#!/usr/bin/env bash
# Screenshots of the Export clip dialog (as it opens, with the I/O marks, and
# during a one-video export of the bench recording with its progress bar) and
# a frame of that one video, on a virtual display.
# Usage: tools/clip_preview/screenshot.sh [out dir]   (default build/clip-preview)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build
out=${1:-$build/clip-preview}
mkdir -p "$out"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target clip_preview tavrin-clip tavrin-make-samples -j2 >/dev/null
# Made once (the bench recording takes minutes).
[ -f "$build/test-samples/samples.stamp" ] ||
  "$build/tools/samples/tavrin-make-samples" "$build/test-samples" >/dev/null
[ -f "$build/bench-samples/samples.stamp" ] ||
  "$build/tools/samples/tavrin-make-samples" "$build/bench-samples" --set bench >/dev/null
scratch=$(mktemp -d /tmp/clip-preview.XXXX)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache
preview=$build/tools/clip_preview/clip_preview

shot() { # name, seconds to wait, preview arguments...
  local name=$1 wait=$2
  shift 2
  xvfb-run -a -s "-screen 0 1280x800x24" sh -c "
    openbox >/dev/null 2>&1 & sleep 1
    '$preview' $* 2>/dev/null & pid=\$!
    sleep $wait
    import -window root -crop 680x600+0+0 '$out/$name.png'
    kill \$pid"
  echo "screenshot -> $out/$name.png"
}
shot dialog 4 "'$build/test-samples/2019_0523_143006_002B.MP4' --position 6 --in 2.5 --out 14 --folder '$scratch/a'"
shot dialog-exporting 14 "'$build/bench-samples/2019_0523_143005_001A.MP4' --position 40 --one-video --start --folder '$scratch/b'"

# A frame of the one video: 20 s to 30 s of the bench recording, 5 s in.
"$build/tools/tavrin-clip/tavrin-clip" "$build/bench-samples/2019_0523_143005_001A.MP4" \
  --from 20 --to 30 --one-video -o "$scratch/video" >/dev/null
ffmpeg -v error -ss 5 -i "$scratch"/video/*.mp4 -frames:v 1 -y "$out/one-video-frame.png"
echo "frame -> $out/one-video-frame.png"
