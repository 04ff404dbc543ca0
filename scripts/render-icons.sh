#!/usr/bin/env bash
# Renders the committed PNG icons from the SVG; run again after changing the drawing.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons/hicolor"
svg=scalable/apps/io.github.flinkblick.Flinkblick.svg
for size in 16 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$svg" -o "${size}x${size}/apps/io.github.flinkblick.Flinkblick.png"
done
