#!/usr/bin/env bash
# Builds the measurement programs in build/bench (Release), runs the start-up,
# click-to-feedback, first-board, Leistungskurve paint and idle measurements and
# prints the figures as a Markdown table. Installs nothing unless run as root with
# tools missing.
#   bench/run_all.sh            RUNS=10 HITS=50 DURATION=60 by default
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="$root/build/bench"
source "$here/machine.sh"

# Tool -> Debian package.
declare -A tools=([xvfb-run]=xvfb [xauth]=xauth [xdotool]=xdotool [import]=imagemagick [cmake]=cmake [g++]=g++)
missing=()
for t in "${!tools[@]}"; do command -v "$t" >/dev/null || missing+=("${tools[$t]}"); done
[[ -f /usr/include/X11/Xlib.h ]] || missing+=(libx11-dev)
if [[ ${#missing[@]} -gt 0 ]]; then
  if [[ $(id -u) -eq 0 ]]; then
    echo "installing ${missing[*]}" >&2
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "missing Debian packages: ${missing[*]} (run as root, or install them)" >&2
    exit 1
  fi
fi

echo "building in $build" >&2
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DFLINKBLICK_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target flinkblick bare_label click_latency wait_for_window first_board \
  kurve_zeichnen >/dev/null

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
echo "start-up ..." >&2
"$here/startup.sh" "$build" | tee "$out/startup" >&2
echo "click to feedback ..." >&2
"$here/click_latency.sh" "$build" | tee "$out/click" >&2
echo "first colourful board ..." >&2
"$here/first_board.sh" "$build" | tee "$out/first" >&2
echo "Leistungskurve paint ..." >&2
QT_QPA_PLATFORM=offscreen "$build/bench/perf/kurve_zeichnen" 2>/dev/null | tee "$out/kurve" >&2
echo "idle, ${DURATION:-60} s ..." >&2
"$here/idle.sh" "$build" | tee "$out/idle" >&2

# value FILE KIND [MATCH] KEY: the KEY=value of the first summary line of KIND that contains MATCH.
value() { grep "^summary $2 " "$1" | grep -- "${3}" | head -1 | tr ' ' '\n' | sed -n "s/^$4=//p"; }
yesno() { awk "BEGIN { print (($1) ? \"yes\" : \"**no**\") }"; }

fb_ms=$(value "$out/startup" flinkblick "" startup_median_ms)
bare_ms=$(value "$out/startup" bare "" startup_median_ms)
fb_rss=$(value "$out/startup" flinkblick "" rss_median_kib)
bare_rss=$(value "$out/startup" bare "" rss_median_kib)
over=$(awk -v a="$fb_ms" -v b="$bare_ms" 'BEGIN { printf "%+.0f", 100 * (a - b) / b }')
rss_over=$(awk -v a="$fb_rss" -v b="$bare_rss" 'BEGIN { printf "%+.0f", 100 * (a - b) / b }')
c() { value "$out/click" "$1" "platform=$2 board=$3" "$4"; }
first_ms=$(value "$out/first" first_board "" median_ms)
first_max=$(value "$out/first" first_board "" max_ms)
# kurve KIND KEY: the figure after KEY ("median" or "p95") on kurve_zeichnen's line for KIND.
kurve() { grep "^$1" "$out/kurve" | grep -o "$2 [0-9.]*" | head -1 | cut -d' ' -f2; }
idle_ms=$(value "$out/idle" idle "" cpu_ms)
idle_pct=$(value "$out/idle" idle "" percent_of_one_core)
idle_s=$(value "$out/idle" idle "" wall_s)

cat <<TABLE

Measured on: $(machine_line); $(date -u +%Y-%m-%d).

| Figure | Measured | Aim | Met |
|---|---|---|---|
| Start-up to the mapped window, median of ${RUNS:-10} (Xvfb) | ${fb_ms} ms; bare one-label Qt program ${bare_ms} ms (${over} %) | within 10 % of the bare program | $(yesno "$over <= 10") |
| Resident memory 1 s after the window appears | $(awk -v k="$fb_rss" 'BEGIN { printf "%.1f", k / 1024 }') MiB; bare program $(awk -v k="$bare_rss" 'BEGIN { printf "%.1f", k / 1024 }') MiB (${rss_over} %) | within 20 % of the bare program | $(yesno "$rss_over <= 20") |
| Click to painted flash, colourful board, X11, median / p95 of ${HITS:-50} | $(c hit xcb bunte median_ms) / $(c hit xcb bunte p95_ms) ms | under 2 / 4 ms | $(yesno "$(c hit xcb bunte median_ms) < 2 && $(c hit xcb bunte p95_ms) < 4") |
| Click to painted flash, uniform board, X11 | $(c hit xcb gleiche median_ms) / $(c hit xcb gleiche p95_ms) ms | under 2 / 4 ms | $(yesno "$(c hit xcb gleiche median_ms) < 2 && $(c hit xcb gleiche p95_ms) < 4") |
| Click to painted flash, offscreen | $(c hit offscreen bunte median_ms) / $(c hit offscreen bunte p95_ms) ms | under 2 / 4 ms | $(yesno "$(c hit offscreen bunte median_ms) < 2 && $(c hit offscreen bunte p95_ms) < 4") |
| Hit with "Immer neu mischen?" (rebuild + repaint), colourful, X11 | $(c reshuffle_hit xcb bunte median_ms) / $(c reshuffle_hit xcb bunte p95_ms) ms | median under 4 ms, a quarter of a frame | $(yesno "$(c reshuffle_hit xcb bunte median_ms) < 4") |
| Hit with "Immer neu mischen?", uniform, X11 | $(c reshuffle_hit xcb gleiche median_ms) / $(c reshuffle_hit xcb gleiche p95_ms) ms | median under 2 ms | $(yesno "$(c reshuffle_hit xcb gleiche median_ms) < 2") |
| Hit with "Immer neu mischen?", colourful, offscreen | $(c reshuffle_hit offscreen bunte median_ms) / $(c reshuffle_hit offscreen bunte p95_ms) ms | median under 2 ms | $(yesno "$(c reshuffle_hit offscreen bunte median_ms) < 2") |
| First colourful board right after start-up, press to painted board, X11, median of ${RUNS:-20} starts | ${first_ms} ms (slowest ${first_max} ms) | within one frame, 16.7 ms | $(yesno "$first_ms < 16.7") |
| Painting the Leistungskurve, offscreen, median / p95: endurance run | $(kurve endurance median) / $(kurve endurance p95) ms | under 5 ms | $(yesno "$(kurve endurance p95) < 5") |
| Painting the Leistungskurve: simple run | $(kurve simple median) / $(kurve simple p95) ms | under 5 ms | $(yesno "$(kurve simple p95) < 5") |
| CPU while nobody clicks, endurance run, ${idle_s} s | ${idle_ms} ms = ${idle_pct} % of one core | under 0.1 % | $(yesno "$idle_pct < 0.1") |
TABLE
