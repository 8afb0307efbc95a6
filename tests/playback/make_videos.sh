#!/usr/bin/env bash
# Makes the short test videos of the playback tests into $1: three 640x360
# H.264 channels with their letter and a running clock burned in (channel A
# with an AAC sound track), and three files that are not videos: empty,
# random bytes, and a recording cut off after its first kilobytes.
set -euo pipefail
out=$1
mkdir -p "$out"
make_channel() { # letter colour
  local f="$out/channel_$1.mp4"
  [ -s "$f" ] && return 0
  local audio=()
  [ "$1" = A ] && audio=(-f lavfi -i "sine=frequency=440:sample_rate=48000:duration=10" -c:a aac -b:a 64k)
  ffmpeg -nostdin -loglevel error -y \
    -f lavfi -i "testsrc2=size=640x360:rate=25:duration=10,hue=h=$2,drawtext=font=monospace:fontsize=40:fontcolor=white:box=1:boxcolor=black@0.6:x=20:y=20:text='$1 %{pts\:hms}'" \
    "${audio[@]}" \
    -c:v libx264 -preset ultrafast -pix_fmt yuv420p -g 25 -movflags +faststart -shortest "$f.part.mp4"
  mv "$f.part.mp4" "$f"
}
make_channel A 0
make_channel B 120
make_channel C 240
: > "$out/empty.mp4"
ffmpeg -nostdin -loglevel error -y -f lavfi -i "anoisesrc=duration=1:sample_rate=65536:seed=6" -f u8 "$out/garbage.mp4"
head -c 4096 "$out/channel_A.mp4" > "$out/truncated.mp4"
