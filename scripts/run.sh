#!/usr/bin/env bash
# Installs what is missing, builds Flinkblick and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DFLINKBLICK_TESTS=OFF -DFLINKBLICK_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target flinkblick
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "Flinkblick braucht eine grafische Oberfläche: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt." >&2
  echo "Auf einem Rechner ohne Bildschirm: xvfb-run -a scripts/run.sh" >&2
  exit 1
fi
exec build/release/flinkblick "$@"
