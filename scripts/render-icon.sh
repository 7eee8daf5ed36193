#!/usr/bin/env bash
# Renders the program's icon, data/icons/sillabor.svg, into the PNG sizes that
# are installed beside it. Run after changing the drawing; the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh librsvg2-bin
for size in 48 256; do
    rsvg-convert -w "$size" -h "$size" data/icons/sillabor.svg -o "data/icons/sillabor-$size.png"
done
ls -l data/icons
