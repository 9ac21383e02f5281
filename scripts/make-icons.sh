#!/usr/bin/env bash
# Renders the hicolor theme icons from the SVG drawings (needs rsvg-convert, package
# librsvg2-bin). The PNGs are kept in the repository; run this after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 32 48 64 128 256; do
  source=vorlan.svg
  [ "$size" -le 16 ] && source=vorlan-small.svg  # the small drawing sits on the pixel grid
  rsvg-convert -w "$size" -h "$size" "$source" -o "hicolor/vorlan-$size.png"
done
