#!/usr/bin/env bash
# Installs what is missing, builds the player (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target TavrinPlayer -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY is not set): the player needs a graphical session."
  echo "To run it on a virtual display instead:"
  echo "  xvfb-run -a -s \"-screen 0 1920x1080x24\" ./run.sh"
  exit 1
fi
exec ./build/TavrinPlayer
