#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through
# CTest on a virtual X display. The exit code is the tests' verdict.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
cd build
xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -j2 "$@"
