#!/usr/bin/env bash
# Stops and the cost of the run's phases. First: a web-ready run (with the index) of N photos of
# 3000 x 2000 is stopped with Ctrl-C (SIGINT) at STOPS moments spread over its length; for each,
# how long the program takes to end after the signal, and every link of every page checked.
# Then, when LANDED names another tu_k-make (say, one built from an earlier commit), the first
# run of the same photos by both programs in turn, ROUNDS times.
# Usage: bench/stops.sh [BUILD_DIR]   Environment: N (200), STOPS (10), ROUNDS (3), LANDED,
# TMPDIR. Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
N=${N:-200}
STOPS=${STOPS:-10}
ROUNDS=${ROUNDS:-3}

. bench/maker-setup.sh stops

convert -size 3000x2000 plasma:fractal -quality 90 "$work/photo.jpg"
mkdir -p "$work/photos"
for i in $(seq -w 1 "$N"); do cp "$work/photo.jpg" "$work/photos/p$i.jpg"; done

clean() { rm -rf "$work/photos/thumbs" "$work/photos/web" "$work/photos"/*.html; }

# Each link of a page below the folder (href, src, every srcset entry) that leads nowhere.
broken_links() {
    find "$1" -name '*.html' -print0 | while IFS= read -r -d '' page; do
        grep -oE '(href|src|srcset)="[^"]*"' "$page" | sed -E 's/^[a-z]+="(.*)"$/\1/; s/, /\n/g' |
            sed -E 's/ [0-9]+x$//' | grep -v '://' | while IFS= read -r link; do
            path=$(printf '%b' "${link//%/\\x}")
            [ "${path#/}" != "$path" ] || path=$(dirname "$page")/$path
            [ -e "$path" ] || echo "$page: $link"
        done
    done
}

clean
"$measure" "$work/r" "$make" --yes --quiet --web-ready --index "$work/photos" >/dev/null
length=$(cut -d' ' -f1 "$work/r")
worst=0
broken=0
for k in $(seq 1 "$STOPS"); do
    clean
    at=$(awk -v l="$length" -v k="$k" -v n="$STOPS" 'BEGIN{printf "%.3f", l * (k - 0.5) / n}')
    "$make" --yes --quiet --web-ready --index "$work/photos" &
    pid=$!
    sleep "$at"
    start=$(date +%s.%N)
    kill -INT "$pid" 2>/dev/null || true
    wait "$pid" || true
    took=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN{printf "%.3f", e - s}')
    worst=$(awk -v a="$worst" -v b="$took" 'BEGIN{print (b > a) ? b : a}')
    links=$(broken_links "$work/photos" | wc -l)
    broken=$((broken + links))
    echo "stopped at $at s: ended $took s after the signal, $links links leading nowhere"
done
echo "$N photos of 3000 x 2000, web-ready with index, $(nproc) cores: a run of $length s"
echo "slowest end after a stop: $worst s (target <= 1 s); links leading nowhere: $broken"

if [ -n "${LANDED:-}" ]; then
    for _ in $(seq "$ROUNDS"); do
        for which in new landed; do
            clean
            program=$make
            [ "$which" = landed ] && program=$LANDED
            "$measure" "$work/r" "$program" --yes --quiet --web-ready --index "$work/photos" >/dev/null
            cut -d' ' -f1 "$work/r" >>"$work/$which.t"
        done
    done
    new=$(median <"$work/new.t")
    landed=$(median <"$work/landed.t")
    echo "first run, median of $ROUNDS: $new s against $LANDED $landed s = $(ratio "$new" "$landed" 3) x (target <= 1.03)"
fi
