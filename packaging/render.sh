#!/usr/bin/env bash
# Renders the pictures the package and its AppStream data carry, which are committed so that
# building needs none of the tools:
#   bash packaging/render.sh             the icon's PNG sizes from orbelune.svg (librsvg2-bin)
#   bash packaging/render.sh BUILD-DIR   also the screenshots, with BUILD-DIR's orbelune-script
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 16 32 48 64 128 256; do
  mkdir -p "$here/icons/${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --output "$here/icons/${size}x${size}/orbelune.png" "$here/orbelune.svg"
done
if [ $# -gt 0 ]; then
  script=$(cd "$1" && pwd)/orbelune-script
  mkdir -p "$here/screenshots"
  # Each lesson at the end of its script, where its drawing is complete.
  for form in Lesson8 Lesson12 optics2; do
    QT_QPA_PLATFORM=offscreen "$script" "$form" --png "$here/screenshots/${form,,}.png" >/dev/null
  done
fi
