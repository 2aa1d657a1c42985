#!/usr/bin/env bash
# Renders the hand-drawn SVG icon into the PNG sizes that desktops look up in the
# hicolor theme. The PNGs are committed, so a build needs no SVG renderer; run this
# after changing the SVG and commit what it writes.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-ship-deps.sh librsvg2-bin

svg=packaging/icons/org.labs.Labs.svg
for size in 16 24 32 48 64 128 256; do
  out=packaging/icons/${size}x${size}/org.labs.Labs.png
  mkdir -p "$(dirname "$out")"
  rsvg-convert --width "$size" --height "$size" "$svg" --output "$out"
  echo "$out"
done
