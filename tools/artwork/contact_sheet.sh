#!/usr/bin/env bash
# Draws one overview picture of every image the program ships
# (resources/images and resources/maps).
# Usage: tools/artwork/contact_sheet.sh [--remake] [sheet.png]
#   --remake   draws the images again from source first
#   sheet.png  where to write the sheet (default build/artwork-sheet.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
remake=0
if [ "${1:-}" = --remake ]; then remake=1; shift; fi
out=${1:-$root/build/artwork-sheet.png}
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" --target tavrin_artwork -j2 >/dev/null
tool=$root/build/tools/artwork/tavrin_artwork
export QT_QPA_PLATFORM=offscreen
if [ $remake -eq 1 ]; then "$tool" --out "$root/resources"; fi
"$tool" --sheet "$out" "$root/resources"
