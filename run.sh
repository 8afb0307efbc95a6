#!/usr/bin/env bash
# Installs what is missing, builds the player (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target TavrinPlayer tavrin-make-samples -j"$(nproc)"

# First run: a folder of sample recordings to try the player on.
if [ ! -f samples/samples.stamp ]; then
  echo "Making sample recordings (first run only) ..."
  if ./build/tools/samples/tavrin-make-samples samples; then
    echo
    echo "Sample recordings are in $PWD/samples:"
    echo "add that folder in the player (the add-folder button of the file list) to try them."
    echo
  else
    echo "The sample recordings could not be made; the player starts without them."
  fi
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY is not set): the player needs a graphical session."
  echo "To run it on a virtual display instead:"
  echo "  xvfb-run -a -s \"-screen 0 1920x1080x24\" ./run.sh"
  exit 1
fi
exec ./build/TavrinPlayer
