#!/usr/bin/env bash
# The first colourful board: press on "Bunte Zahlen" right after start-up to
# the painted board, one fresh process per run, under Xvfb (X11).
#   bench/first_board.sh [BUILD_DIR] [ARGS]    RUNS=20 by default; ARGS go to first_board
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build/bench}" && pwd)"
shift || true
driver="$build/bench/perf/first_board"
[[ -x "$driver" ]] || { echo "missing $driver (build first: bench/run_all.sh)" >&2; exit 1; }
if [[ -z "${BENCH_IN_XVFB:-}" ]]; then
  BENCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$@"
fi
source "$here/machine.sh"
echo "machine: $(machine_line)"
runs="${RUNS:-20}"
# One unmeasured start: the first reads fonts and libraries from disk.
"$driver" >/dev/null 2>&1 || true
for ((r = 1; r <= runs; ++r)); do
  "$driver" "$@" 2>/dev/null | grep '^summary' | sed -n 's/.*ms=//p'
done | sort -n | awk -v runs="$runs" '
  { v[NR] = $1 }
  END {
    if (NR < runs) { print "only " NR " of " runs " runs gave a figure" > "/dev/stderr"; exit 1 }
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    p95 = v[int(0.95 * NR + 0.999)]
    printf "summary first_board platform=xcb median_ms=%.2f p95_ms=%.2f min_ms=%.2f max_ms=%.2f runs=%d\n", m, p95, v[1], v[NR], NR
  }'
