#!/usr/bin/env bash
# Renders the committed PNG icons from the SVG; run again after changing the
# drawing. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
svg=hicolor/scalable/apps/io.github.flinkblick.Flinkblick.svg
for size in 16 32 48 64 128 256; do
  png="hicolor/${size}x${size}/apps/io.github.flinkblick.Flinkblick.png"
  mkdir -p "$(dirname "$png")"
  rsvg-convert -w "$size" -h "$size" "$svg" -o "$png"
done
