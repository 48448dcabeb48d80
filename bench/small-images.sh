#!/usr/bin/env bash
# Small pictures are their own thumbnails: tu_k-make over 10,000 JPEGs of 64 x 48 with the
# index page against the same run without it, side by side (fresh pages each time).
# Usage: bench/small-images.sh [BUILD_DIR]   Environment: N (images, 10000), ROUNDS (3).
# Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
N=${N:-10000}
ROUNDS=${ROUNDS:-3}

. bench/maker-setup.sh small

mkdir -p "$work/images"
convert -size 64x48 plasma:fractal "$work/small.jpg"
for i in $(seq -w 1 "$N"); do cp "$work/small.jpg" "$work/images/s$i.jpg"; done

for _ in $(seq "$ROUNDS"); do
    for option in --no-index --index; do
        rm -rf "$work/images/thumbs" "$work/images"/*.html
        "$measure" "$work/r" "$make" --yes --quiet "$option" "$work/images" >/dev/null
        cut -d' ' -f1 "$work/r" >>"$work/$option.t"
    done
done
without=$(median <"$work/--no-index.t")
with=$(median <"$work/--index.t")
echo "$N images of 64 x 48, $(nproc) cores, median of $ROUNDS rounds"
echo "tu_k-make --no-index: $without s"
echo "tu_k-make --index:    $with s ($(ratio "$with" "$without") x; target <= 4)"
