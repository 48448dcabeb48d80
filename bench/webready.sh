#!/usr/bin/env bash
# Web-ready pages: tu_k-make --web-ready --index over 100 photos of 4000 x 3000 (a 1600 px copy
# and both thumbnails from one decode each, and the pages) against vipsthumbnail --size 1600
# making only the copies of the same photos on every core, side by side; then the re-run with
# nothing changed, and the peak memory (with the decoders) over 2,000 such photos.
# Usage: bench/webready.sh [BUILD_DIR]   Environment: N (100), BIG (2000), ROUNDS (3), TMPDIR.
# Needs ImageMagick's convert and vipsthumbnail (libvips-tools).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
N=${N:-100}
BIG=${BIG:-2000}
ROUNDS=${ROUNDS:-3}

. bench/maker-setup.sh web vips

convert -size 4000x3000 plasma:fractal -quality 90 "$work/photo.jpg"
mkdir -p "$work/photos" "$work/big"
for i in $(seq -w 1 "$N"); do cp "$work/photo.jpg" "$work/photos/p$i.jpg"; done
for i in $(seq -w 1 "$BIG"); do ln "$work/photo.jpg" "$work/big/p$i.jpg"; done

vips_run() {
    rm -rf "$work/vips" && mkdir "$work/vips"
    ls "$work/photos"/*.jpg | xargs -P"$(nproc)" -n 8 vipsthumbnail --size 1600 -o "$work/vips/%s.jpg"
}
export -f vips_run
export work
for _ in $(seq "$ROUNDS"); do
    "$measure" "$work/r" bash -c vips_run >/dev/null
    cut -d' ' -f1 "$work/r" >>"$work/vips.t"
    rm -rf "$work/photos/thumbs" "$work/photos/web" "$work/photos"/*.html
    "$measure" "$work/r" "$make" --yes --quiet --web-ready --index "$work/photos" >/dev/null
    cut -d' ' -f1 "$work/r" >>"$work/first.t"
    "$measure" "$work/r" "$make" --yes --quiet --web-ready --index "$work/photos" >/dev/null
    cut -d' ' -f1 "$work/r" >>"$work/again.t"
done
"$measure" "$work/r" "$make" --yes --quiet --web-ready --index "$work/big" >/dev/null
vips=$(median <"$work/vips.t")
first=$(median <"$work/first.t")
again=$(median <"$work/again.t")
echo "$N photos of 4000 x 3000, $(nproc) cores, median of $ROUNDS rounds"
echo "vipsthumbnail --size 1600, copies only:  $vips s"
echo "tu_k-make --web-ready --index, first:    $first s ($(ratio "$first" "$vips") x vipsthumbnail; target <= 1.0)"
echo "tu_k-make --web-ready --index, re-run:   $again s ($(ratio "$again" "$first" 3) x its first run; target <= 0.05)"
echo "$BIG photos, peak memory with decoders:  $(cut -d' ' -f2 "$work/r") kB (target < 200 MB) in $(cut -d' ' -f1 "$work/r") s"
