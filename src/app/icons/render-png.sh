#!/bin/sh
# Renders the program icon's PNG sizes from their SVG drawings (needs rsvg-convert from librsvg2-bin).
# The 16 and 32 pixel drawings are simplified versions of tu_k.svg, which is drawn on a 48 pixel grid.
set -eu
cd "$(dirname "$0")"
rsvg-convert -w 16 -h 16 tu_k-16.svg -o tu_k-16.png
rsvg-convert -w 32 -h 32 tu_k-32.svg -o tu_k-32.png
rsvg-convert -w 48 -h 48 tu_k.svg -o tu_k-48.png
