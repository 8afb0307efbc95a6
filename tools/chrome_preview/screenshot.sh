#!/usr/bin/env bash
# Takes a screenshot of the chrome preview (window with title bar, idle cover,
# small controls and the question box) on a virtual display.
# Usage: tools/chrome_preview/screenshot.sh [shot.png] [language index]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$root/build/chrome-preview.png}
language=${2:-2}
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --target chrome_preview -j2 >/dev/null
xvfb-run -a -s "-screen 0 1280x800x24" sh -c "
  '$root/build/tools/chrome_preview/chrome_preview' $language & pid=\$!
  sleep 3
  import -window root '$out'
  kill \$pid"
echo "screenshot -> $out"
