#!/usr/bin/env bash
# Times a whole `tu_k-make --index` run (pages, index page, thumbnails at 1x and 2x) against
# vipsthumbnail making only the 1x size of the same photos on every core, side by side in one
# run; then the re-run over unchanged thumbnails and tu_k-make's peak memory.
# Usage: bench/thumbnails.sh [BUILD_DIR]   Environment: N (photos, 200), ROUNDS (3), TMPDIR.
# Needs ImageMagick's convert (to make the photos) and vipsthumbnail (libvips-tools).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
N=${N:-200}
ROUNDS=${ROUNDS:-3}

. bench/maker-setup.sh thumbs vips

# One 4000 x 3000 photo-like JPEG (noise with gradients: a plain colour would decode too fast),
# copied N times with their own names and dates.
mkdir -p "$work/photos"
convert -size 4000x3000 plasma:fractal -quality 90 "$work/photo.jpg"
for i in $(seq -w 1 "$N"); do cp "$work/photo.jpg" "$work/photos/p$i.jpg"; done

vips_run() {
    rm -rf "$work/vips" && mkdir "$work/vips"
    ls "$work/photos"/*.jpg | xargs -P"$(nproc)" -n 8 vipsthumbnail -s 240 -o "$work/vips/%s.jpg"
}
fresh() { rm -rf "$work/photos/thumbs" "$work/photos"/*.html; }

: >"$work/vips.t"
: >"$work/first.t"
: >"$work/again.t"
for _ in $(seq "$ROUNDS"); do
    export -f vips_run
    export work
    "$measure" "$work/r" bash -c vips_run >/dev/null
    cut -d' ' -f1 "$work/r" >>"$work/vips.t"
    fresh
    "$measure" "$work/r" "$make" --yes --quiet --index "$work/photos" >/dev/null
    cut -d' ' -f1 "$work/r" >>"$work/first.t"
    cut -d' ' -f2 "$work/r" >>"$work/first.kb"
    "$measure" "$work/r" "$make" --yes --quiet --index "$work/photos" >/dev/null
    cut -d' ' -f1 "$work/r" >>"$work/again.t"
done
vips=$(median <"$work/vips.t")
first=$(median <"$work/first.t")
again=$(median <"$work/again.t")
peak=$(sort -g "$work/first.kb" | tail -1)
echo "$N photos of 4000 x 3000, $(nproc) cores, median of $ROUNDS rounds"
echo "vipsthumbnail, 240 px only:        $vips s"
echo "tu_k-make --index, first run:      $first s  ($(ratio "$first" "$vips") x vipsthumbnail; target <= 0.75)"
echo "tu_k-make --index, nothing changed: $again s  ($(ratio "$again" "$first" 3) x its first run; target <= 0.05)"
echo "tu_k-make peak memory:             $peak kB (target < 150 MB)"
