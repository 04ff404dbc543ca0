#!/usr/bin/env bash
# Start-up time (launch to the mapped window) and resident memory one second
# later, for Flinkblick and for a bare one-label Qt program started in turn
# under the same Xvfb.
#   bench/startup.sh [BUILD_DIR]    RUNS=10 by default
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build/bench}" && pwd)"
runs="${RUNS:-10}"
source "$here/machine.sh"
for f in "$build/flinkblick" "$build/bench/perf/bare_label" "$build/bench/perf/wait_for_window"; do
  [[ -x "$f" ]] || { echo "missing $f (build first: bench/run_all.sh)" >&2; exit 1; }
done
# A private Xvfb without a window manager: the window is a child of the root.
if [[ -z "${BENCH_IN_XVFB:-}" ]]; then
  BENCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi
echo "machine: $(machine_line)"
"$build/bench/perf/wait_for_window" --runs "$runs" --settle 1000 \
  "flinkblick=Flinkblick:$build/flinkblick" "bare=Leer:$build/bench/perf/bare_label"
