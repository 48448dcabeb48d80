#!/usr/bin/env bash
# A photo tree in one run (tu_k-make -r), side by side with its references:
#  1. 100 folders of 100 small images (10,000 pages, no index): first run and re-run against the
#     file system's floor (bench/floor.cpp) run over each folder;
#  2. 20 folders of 10 photos of 4000 x 3000 with --index against vipsthumbnail -s 240 making
#     the small thumbnails of the same 200 photos on every core;
#  3. 1,000 folders of 1 image each, 50 levels deep, against one folder of the same 1,000
#     images: peak memory.
# Usage: bench/albums.sh [BUILD_DIR]   Environment: ROUNDS (3), TMPDIR.
# Needs ImageMagick's convert and vipsthumbnail (libvips-tools).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
ROUNDS=${ROUNDS:-3}

. bench/maker-setup.sh albums vips
floor=$PWD/$build/bench/tuk_bench_floor

small_tree() { # ROOT: 100 folders of 100 images of 3,000 bytes
    for f in $(seq -w 1 100); do
        mkdir -p "$1/f$f"
        (cd "$1/f$f" && head -c 300000 /dev/zero | split -b 3000 -a 3 -d --additional-suffix=.jpg - img_)
    done
}
floor_tree() { # ROOT PAGE_BYTES: the floor over every folder
    for f in "$1"/f*/; do "$floor" "$f" "$2" >/dev/null; done
}
export -f floor_tree
export floor

# 1. Pages of a tree against the floor.
small_tree "$work/probe"
"$make" --yes --quiet -r "$work/probe"
page=$(($(cat "$work/probe"/f*/*.html | wc -c) / 10000))
for r in $(seq "$ROUNDS"); do
    small_tree "$work/make$r"
    small_tree "$work/floor$r"
done
sync
for r in $(seq "$ROUNDS"); do
    "$measure" "$work/m" "$make" --yes --quiet -r "$work/make$r" >/dev/null
    cut -d' ' -f1 "$work/m" >>"$work/first.make"
    "$measure" "$work/m" bash -c "floor_tree $work/floor$r $page" >/dev/null
    cut -d' ' -f1 "$work/m" >>"$work/first.floor"
    "$measure" "$work/m" "$make" --yes --quiet -r "$work/make$r" >/dev/null
    cut -d' ' -f1 "$work/m" >>"$work/again.make"
done
first=$(median <"$work/first.make")
floored=$(median <"$work/first.floor")
again=$(median <"$work/again.make")

# 2. A tree of photos with the index page against vipsthumbnail.
convert -size 4000x3000 plasma:fractal -quality 90 "$work/photo.jpg"
for f in $(seq -w 1 20); do
    mkdir -p "$work/photos/f$f"
    for i in $(seq -w 1 10); do cp "$work/photo.jpg" "$work/photos/f$f/p$i.jpg"; done
done
vips_run() {
    rm -rf "$work/vips" && mkdir "$work/vips"
    find "$work/photos" -name '*.jpg' -not -path '*/thumbs/*' |
        xargs -P"$(nproc)" -n 8 vipsthumbnail -s 240 -o "$work/vips/%s.jpg"
}
export -f vips_run
export work
for _ in $(seq "$ROUNDS"); do
    "$measure" "$work/m" bash -c vips_run >/dev/null
    cut -d' ' -f1 "$work/m" >>"$work/vips.t"
    find "$work/photos" \( -name thumbs -o -name '*.html' \) -prune -exec rm -rf {} +
    "$measure" "$work/m" "$make" --yes --quiet -r --index "$work/photos" >/dev/null
    cut -d' ' -f1 "$work/m" >>"$work/index.t"
done
vips=$(median <"$work/vips.t")
index=$(median <"$work/index.t")

# 3. Memory of a deep tree against one folder of the same images.
for chain in $(seq 1 20); do
    path=$work/deep/c$chain
    for level in $(seq 1 50); do
        path=$path/l$level
        mkdir -p "$path"
        head -c 3000 /dev/zero >"$path/i.jpg"
    done
done
mkdir -p "$work/flat"
(cd "$work/flat" && head -c 3000000 /dev/zero | split -b 3000 -a 3 -d --additional-suffix=.jpg - img_)
"$measure" "$work/m" "$make" --yes --quiet -r "$work/deep" >/dev/null
deep_kb=$(cut -d' ' -f2 "$work/m")
"$measure" "$work/m" "$make" --yes --quiet "$work/flat" >/dev/null
flat_kb=$(cut -d' ' -f2 "$work/m")

echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), medians of $ROUNDS rounds"
echo "100 x 100 images, first run: tu_k-make -r $first s, floor over each folder $floored s ($(ratio "$first" "$floored") x; target <= 1.3)"
echo "100 x 100 images, re-run:    tu_k-make -r $again s ($(ratio "$again" "$floored") x the floor; target <= 0.35)"
echo "20 x 10 photos --index:      tu_k-make -r $index s, vipsthumbnail -s 240 $vips s ($(ratio "$index" "$vips") x; target <= 0.75)"
echo "1,000 folders 50 deep:       $deep_kb kB against one folder of 1,000 images $flat_kb kB ($(ratio "$deep_kb" "$flat_kb") x; target <= 1.2)"
