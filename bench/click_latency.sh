#!/usr/bin/env bash
# Click to feedback: press on the sought number to the painted flash, for a
# plain hit and for a hit with "Immer neu mischen?" on (rebuild and repaint),
# on the X11 platform under Xvfb and on the offscreen platform.
#   bench/click_latency.sh [BUILD_DIR]    HITS=50, WARMUP=5 by default
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build/bench}" && pwd)"
driver="$build/bench/perf/click_latency"
[[ -x "$driver" ]] || { echo "missing $driver (build first: bench/run_all.sh)" >&2; exit 1; }
source "$here/machine.sh"
echo "machine: $(machine_line)"
args=(--hits "${HITS:-50}" --warmup "${WARMUP:-5}")
for variant in "" "--reshuffle" "--uniform" "--reshuffle --uniform"; do
  # shellcheck disable=SC2086
  xvfb-run -a -s "-screen 0 1280x1024x24" "$driver" "${args[@]}" $variant 2>/dev/null | grep -E '^(platform|summary)'
  # shellcheck disable=SC2086
  QT_QPA_PLATFORM=offscreen "$driver" "${args[@]}" $variant 2>/dev/null | grep -E '^(platform|summary)'
done
