#!/usr/bin/env bash
# Builds the board benchmark in Release and prints the medians of the build
# alone and of build plus repaint. Extra arguments go to the benchmark
# (e.g. --benchmark_filter=Bunte).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DFLINKBLICK_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_brett >/dev/null
if [[ ! -x "$build/bench/bench_brett" ]]; then
  echo "Google Benchmark fehlt (Debian: libbenchmark-dev); kein Benchmark gebaut." >&2
  exit 1
fi
echo "Maschine: $(nproc) Kerne, Last: $(cut -d' ' -f1-3 /proc/loadavg)"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# Only the build (and repaint) is timed: the "Time" figure. The CPU column of
# the raw output also counts the untimed event handling between iterations.
"$build/bench/bench_brett" "$@" 2>&1 |
  awk '/^Erster/ {print; next}
       /_median/ {
         name = $1; sub(/\/.*/, "", name)
         ziel = name ~ /NeuZeichnen/ ? "4000" : "1000"
         printf "%-32s Median %8s %s   (Ziel unter %s us)\n", name, $2, $3, ziel
       }'
