#!/usr/bin/env bash
# Capture dates, captions and camera facts (all three on) side by side with the same run without
# them, in one run of this script: N photos with a camera's EXIF segment in one folder, the
# default page options; a first run (no pages, no facts kept from before), then an unchanged
# re-run, rounds interleaved; pages alone (the hardest case: every other cost is small), then
# with the index page and its thumbnails, whose decoding dwarfs the reads.
# Usage: bench/facts.sh [BUILD_DIR]   Environment: N (1000), ROUNDS (5), TMPDIR.
# Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
N=${N:-1000}
ROUNDS=${ROUNDS:-5}

. bench/maker-setup.sh facts
export XDG_CACHE_HOME=$work/cache # where the facts are kept between runs

convert -size 1600x1200 plasma:fractal -quality 90 "$work/photo.jpg"
for i in $(seq 1 "$N"); do
    cp "$work/photo.jpg" "$work/p$i.jpg"
    python3 scripts/add-exif.py "$work/p$i.jpg" "2024:05:$((1 + i % 28)) 10:$((i % 60)):00" "Photo $i"
done
mkdir "$work/photos" && mv "$work"/p*.jpg "$work/photos/"
sync

time_of() { "$measure" "$work/m" "$@" >/dev/null && cut -d' ' -f1 "$work/m"; }
facts=(--capture-dates --captions --camera)
plain=(--no-capture-dates --no-captions --no-camera)
# MODE (the options of both runs) ROUNDS
compare() {
    for r in $(seq "$2"); do
        for kind in plain facts; do
            declare -n options=$kind
            # a first run: no pages, no pictures, nothing kept
            rm -rf "$work"/photos/*.html "$work"/photos/thumbs "$XDG_CACHE_HOME"
            time_of "$make" --yes --quiet $1 "${options[@]}" "$work/photos" >>"$work/$kind.first"
            time_of "$make" --yes --quiet $1 "${options[@]}" "$work/photos" >>"$work/$kind.again"
        done
    done
    for run in first again; do
        declare -g "plain_$run=$(median <"$work/plain.$run")" "facts_$run=$(median <"$work/facts.$run")"
    done
    rm -f "$work"/*.first "$work"/*.again
    echo "${1:-pages alone}, median of $2 rounds:"
    echo "  first run:     without $plain_first s, with the facts $facts_first s ($(ratio "$facts_first" "$plain_first") x; target <= 1.05)"
    echo "  unchanged run: without $plain_again s, with the facts $facts_again s ($(ratio "$facts_again" "$plain_again") x; target <= 1.1)"
}
echo "$N photos of 1600 x 1200 with EXIF in one folder, $(nproc) cores"
compare "" "$ROUNDS"
compare --index "$(( (ROUNDS + 2) / 3 ))"
