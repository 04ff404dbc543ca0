#!/usr/bin/env bash
# Idle cost: CPU time the game uses during an endurance run in which nobody
# clicks. Starts the real program under Xvfb, presses StartBtn with xdotool
# (a colourful upward board, "12 Minuten Ausdauer" being preselected) and
# reads the CPU time of all its threads before and after DURATION seconds.
#   bench/idle.sh [BUILD_DIR]    DURATION=60 by default
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build/bench}" && pwd)"
[[ -x "$build/flinkblick" ]] || { echo "missing $build/flinkblick (build first: bench/run_all.sh)" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is missing (Debian: xdotool)" >&2; exit 1; }
if [[ -z "${BENCH_IN_XVFB:-}" ]]; then
  BENCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi
source "$here/machine.sh"
echo "machine: $(machine_line)"
duration="${DURATION:-60}"

measure() {
  tmp=$(mktemp -d)
  # CPU nanoseconds of every thread of the process.
  cpu_ns() { local s=0 t; for t in /proc/"$1"/task/*/schedstat; do s=$((s + $(cut -d' ' -f1 "$t"))); done; echo "$s"; }
  # utime + stime in clock ticks, for a cross-check.
  cpu_ticks() { awk '{print $14 + $15}' /proc/"$1"/stat; }
  pixel() { import -window "$1" -crop "1x1+$2+$3" txt:- 2>/dev/null | tail -1 | grep -o '#[0-9A-Fa-f]\{6\}' || true; }

  "$build/flinkblick" >/dev/null 2>&1 &
  pid=$!
  local wid
  trap 'kill "${pid:-}" 2>/dev/null || true' EXIT
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Flinkblick$' | head -1)
  sleep 1
  # StartBtn: twips 4920,3960, 1215 x 495 -> pixels 328,264, 81 x 33; press its middle.
  local before after
  before=$(command -v import >/dev/null && pixel "$wid" 368 280)
  xdotool mousemove --window "$wid" 368 280 click 1
  sleep 1
  after=$(command -v import >/dev/null && pixel "$wid" 368 280)
  if [[ -n "$before" && "$before" == "$after" ]]; then
    echo "the start button did not react (pixel $before unchanged); no run started" >&2
    exit 1
  fi
  [[ -z "$before" ]] && echo "note: ImageMagick's import is missing, the run start is not checked"
  local n0 k0 t0 n1 k1 t1
  threads() { local t; for t in /proc/"$1"/task/*; do echo "$(basename "$t") $(cut -d' ' -f1 "$t/schedstat") $(cat "$t/comm")"; done; }
  threads "$pid" >"$tmp/before"
  n0=$(cpu_ns "$pid"); k0=$(cpu_ticks "$pid"); t0=$(date +%s%N)
  sleep "$duration"
  n1=$(cpu_ns "$pid"); k1=$(cpu_ticks "$pid"); t1=$(date +%s%N)
  threads "$pid" >"$tmp/after"
  # Which thread used it.
  join "$tmp/before" "$tmp/after" | awk '{ printf "thread %-16s %8.1f ms\n", $3, ($4 - $2) / 1e6 }'
  kill -0 "$pid" || { echo "flinkblick ended during the measurement" >&2; exit 1; }
  awk -v n=$((n1 - n0)) -v k=$((k1 - k0)) -v hz="$(getconf CLK_TCK)" -v w=$((t1 - t0)) 'BEGIN {
    printf "cpu %.1f ms over %.1f s (utime+stime %d ticks = %.0f ms)\n", n / 1e6, w / 1e9, k, k * 1000 / hz
    printf "summary idle cpu_ms=%.1f wall_s=%.1f percent_of_one_core=%.4f\n", n / 1e6, w / 1e9, 100 * n / w
  }'
}
measure
