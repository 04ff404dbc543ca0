#!/usr/bin/env bash
# Photographs the game on a virtual X server into docs/ for the README.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
cmake -S . -B build/shots -DCMAKE_BUILD_TYPE=Release -DFLINKBLICK_TESTS=OFF -DFLINKBLICK_BENCH=OFF -DFLINKBLICK_SCREENSHOTS=ON >/dev/null
cmake --build build/shots -j"$(nproc)" --target flinkblick_screenshots
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/shots/scripts/screenshots/flinkblick_screenshots docs
