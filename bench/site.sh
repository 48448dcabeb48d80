#!/usr/bin/env bash
# A site (tu_k-make --into), side by side with its references:
#  1. N photos in 10 albums made into a site with the index page and web-ready pages; then a
#     re-run with nothing changed against a re-run after 10 photos of one album were deleted
#     (their pages, pictures and placed images removed, and the album's other pages rewritten:
#     each shows its place among the album's images), and after 10 photos, one of each album,
#     were deleted (every page rewritten);
#  2. a site of the N photos without web-ready pages, every photo placed in it without its
#     metadata, against `cp -r` of the photos plus the same run in place.
# Usage: bench/site.sh [BUILD_DIR]   Environment: N (1000), ROUNDS (3), TMPDIR.
# Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
N=${N:-1000}
ROUNDS=${ROUNDS:-3}

. bench/maker-setup.sh site

# Photos of 1600 x 1200 with an EXIF segment, as cameras write them, in 10 albums.
convert -size 1600x1200 plasma:fractal -quality 90 "$work/photo.jpg"
photos() { # ROOT: the N photos below it
    for i in $(seq 1 "$N"); do
        mkdir -p "$1/a$((i % 10))"
        cp "$work/photo.jpg" "$1/a$((i % 10))/p$i.jpg"
    done
}
# Each timed command starts after the disk has settled: files removed just before (their blocks
# discarded) slow the next creations down on some disks, whoever makes them.
time_of() { sync && sleep 1 && "$measure" "$work/m" "$@" >/dev/null && cut -d' ' -f1 "$work/m"; }

# 1. Re-runs of a site, unchanged and after 10 photos were deleted.
for r in $(seq "$ROUNDS"); do
    photos "$work/tree$r"
    "$make" --yes --quiet -r --index --web-ready --into "$work/site$r" "$work/tree$r"
    time_of "$make" --yes --quiet -r --index --web-ready --into "$work/site$r" "$work/tree$r" >>"$work/unchanged.t"
    rm "$work/tree$r"/a0/p{10..100..10}.jpg
    time_of "$make" --yes --quiet -r --index --web-ready --into "$work/site$r" "$work/tree$r" >>"$work/deleted.t"
    for k in 1 2 3 4 5 6 7 8 9; do rm "$work/tree$r/a$k/p10$k.jpg"; done
    rm "$work/tree$r/a0/p110.jpg"
    time_of "$make" --yes --quiet -r --index --web-ready --into "$work/site$r" "$work/tree$r" >>"$work/spread.t"
    rm -rf "$work/tree$r" "$work/site$r"
done
unchanged=$(median <"$work/unchanged.t")
deleted=$(median <"$work/deleted.t")
spread=$(median <"$work/spread.t")

# 2. A site without web-ready pages against a copy of the photos and a run in place.
photos "$work/photos"
sync
for r in $(seq "$ROUNDS"); do
    time_of "$make" --yes --quiet -r --into "$work/site" "$work/photos" >>"$work/site.t"
    rm -rf "$work/site"
    time_of cp -r "$work/photos" "$work/copy" >>"$work/cp.t"
    time_of "$make" --yes --quiet -r "$work/copy" >>"$work/inplace.t"
    rm -rf "$work/copy"
done
site=$(median <"$work/site.t")
cp=$(median <"$work/cp.t")
inplace=$(median <"$work/inplace.t")
reference=$(awk -v a="$cp" -v b="$inplace" 'BEGIN{print a + b}')

echo "$N photos of 1600 x 1200 in 10 albums, $(nproc) cores, median of $ROUNDS rounds"
echo "site re-run, nothing changed:          $unchanged s"
echo "site re-run, 10 photos of an album gone: $deleted s ($(ratio "$deleted" "$unchanged") x unchanged; target <= 1.5)"
echo "site re-run, 1 photo of each album gone:  $spread s ($(ratio "$spread" "$unchanged") x unchanged)"
echo "site without web-ready, first run:     $site s"
echo "cp -r of the photos + the run in place: $cp + $inplace = $reference s ($(ratio "$site" "$reference") x; target <= 1.2)"
