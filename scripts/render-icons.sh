#!/usr/bin/env bash
# Renders the hand-drawn SVG icon into the PNG sizes that desktops look up in the
# hicolor theme. The PNGs are committed, so a build needs no SVG renderer; run this
# after changing the SVG and commit what it writes.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-ship-deps.sh librsvg2-bin

# The small sizes come from a drawing made for them: the full one blurs there.
for size in 16 24 32 48 64 128 256; do
  svg=packaging/icons/org.labs.Labs.svg
  [ "$size" -le 32 ] && svg=packaging/icons/org.labs.Labs-small.svg
  out=packaging/icons/${size}x${size}/org.labs.Labs.png
  mkdir -p "$(dirname "$out")"
  rsvg-convert --width "$size" --height "$size" "$svg" --output "$out"
  echo "$out"
done
