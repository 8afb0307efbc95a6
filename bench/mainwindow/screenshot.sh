#!/usr/bin/env bash
# Screenshots of the main window on a 1920x1080 virtual display with the
# sample recordings listed (their preview thumbnails drawn from the first
# frame by ffmpeg, as a display writes them when it plays): the window at its
# smallest size, 1035x665, and maximised by a double click on its title bar.
# Usage: bench/mainwindow/screenshot.sh [output folder] [language index]
#        (default build/mainwindow-shots, 2 = English)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build
out=${1:-$build/mainwindow-shots}
language=${2:-2}
mkdir -p "$out"
cmake --build "$build" --target TavrinPlayer tavrin-make-samples -j2 >/dev/null
samples=$build/test-samples
[ -f "$samples/2019_0523_143005_001A.MP4" ] || (cd "$build" && ctest -R make_test_samples >/dev/null)

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
appdata=$XDG_CACHE_HOME/TavrinPlayer
mkdir -p "$appdata/Previews" "$XDG_CONFIG_HOME/T561"
# Not a first start (a first start clears the stored list).
date '+%Y-%m-%d %H:%M:%S' > "$appdata/myapp.conf"

list=()
for f in "$samples"/*.MP4 "$samples"/*.MOV "$samples"/*.TS; do
  [ -f "$f" ] || continue
  list+=("$f")
  name=$(basename "$f")
  ffmpeg -v error -y -i "$f" -frames:v 1 "$appdata/Previews/$(stat -c %s "$f")_${name%%.*}.jpg"
done
joined=$(printf '%s, ' "${list[@]}")
printf '[General]\ng_settingKey_last_filelist=%s\ng_settingKey_language=%s\n' "${joined%, }" "$language" \
  > "$XDG_CONFIG_HOME/T561/TavrinPlayer.conf"

xvfb-run -a -s "-screen 0 1920x1080x24" sh -c "
  '$build/TavrinPlayer' >'$out/player.log' 2>&1 & pid=\$!
  sleep 8
  import -window root '$out/screen-1035x665.png'
  convert '$out/screen-1035x665.png' -crop 1035x665+0+0 +repage '$out/window-1035x665.png'
  xdotool mousemove 500 17 click --repeat 2 --delay 80 1
  sleep 3
  xdotool mousemove 900 400
  sleep 1
  import -window root '$out/window-maximised.png'
  kill \$pid"
echo "screenshots -> $out/window-1035x665.png $out/window-maximised.png"
