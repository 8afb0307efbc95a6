#!/usr/bin/env bash
# Screenshots of the settings dialog on a virtual display, one per language.
# Usage: tools/settings_preview/screenshot.sh [out dir] [language index...]
# (default: simplified Chinese, English, German and Russian; an index followed
# by ":map" or ":language" also opens that list, e.g. 5:language; ":refuse" shows
# the message for a folder that cannot be written)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$root/build/settings-preview}
shift || true
languages=("$@")
[ ${#languages[@]} -eq 0 ] && languages=(0 2 5 4)
mkdir -p "$out"
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --target settings_preview -j2 >/dev/null
# Shaped like a home folder, so the default snapshot folder is as long as a real one.
scratch=$(mktemp -d /tmp/home.XXXX)
trap 'rm -rf "$scratch"' EXIT
names=(zh_CN zh_TW en_US ja_JA ru_RU de_DE it_IT es_ES)
for entry in "${languages[@]}"; do
  index=${entry%%:*}
  popup=
  suffix=
  if [[ $entry == *:refuse ]]; then popup="--refuse"; suffix=-refuse
  elif [[ $entry == *:* ]]; then popup="--popup ${entry#*:}"; suffix="-${entry#*:}"; fi
  shot="$out/settings-${names[$index]}$suffix.png"
  rm -rf "${scratch:?}"/.config "$scratch"/.cache
  XDG_CONFIG_HOME=$scratch/.config XDG_CACHE_HOME=$scratch/.cache \
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
      '$root/build/tools/settings_preview/settings_preview' $index $popup 2>/dev/null & pid=\$!
      sleep 3
      import -window root -crop 460x760+20+20 '$shot'
      kill \$pid"
  echo "screenshot -> $shot"
done
