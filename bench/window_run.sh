#!/usr/bin/env bash
# Makes pages for N images from the window (offscreen) and with tu_k-make, side by side in one
# run, and reports the ratio of their times and the window's longest event-loop gap.
# Usage: bench/window_run.sh [BUILD_DIR]   Environment: N (10000), ROUNDS (5), TMPDIR.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
N=${N:-10000}
ROUNDS=${ROUNDS:-5}

cmake --build "$build" --target tuk_bench tuk_bench_window_run >/dev/null
make=$PWD/$build/bin/tu_k-make
window=$PWD/$build/bench/tuk_bench_window_run
measure=$PWD/$build/bench/tuk_bench_measure

work=$(mktemp -d "${TMPDIR:-/tmp}/tuk-window.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen

images() { # FOLDER COUNT: COUNT images of 3,000 bytes
    mkdir -p "$1"
    (cd "$1" && head -c $(($2 * 3000)) /dev/zero |
        split -b 3000 -a 6 -d --additional-suffix=.jpg - img_)
}
median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

echo "Preparing $((2 * ROUNDS)) folders of $N images in $work ..."
for r in $(seq "$ROUNDS"); do
    images "$work/window$r" "$N"
    images "$work/make$r" "$N"
done
sync

: >"$work/window.txt" >"$work/gap.txt" >"$work/make.txt"
for r in $(seq "$ROUNDS"); do
    # Alternate who goes first so that neither always meets the other's write-back.
    one_window() { "$window" "$work/window$r" >"$work/w"; cut -d' ' -f1 "$work/w" >>"$work/window.txt"; cut -d' ' -f2 "$work/w" >>"$work/gap.txt"; }
    one_make() { "$measure" "$work/m" "$make" --yes --quiet "$work/make$r" >/dev/null; cut -d' ' -f1 "$work/m" >>"$work/make.txt"; }
    if [ $((r % 2)) -eq 1 ]; then one_window; one_make; else one_make; one_window; fi
done

w=$(median <"$work/window.txt")
m=$(median <"$work/make.txt")
echo
echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "$N images, default options, medians of $ROUNDS rounds, first runs (no pages yet)"
echo
echo "| Run | seconds |"
echo "|---|---|"
echo "| window (offscreen), list + pages | $w |"
echo "| tu_k-make, whole process | $m |"
awk -v a="$w" -v b="$m" 'BEGIN { printf "| ratio window / tu_k-make | %.2f (target <= 1.5) |\n", a / b }'
echo "| longest event-loop gap in the window, ms | $(sort -g "$work/gap.txt" | tail -1) (target < 100) |"
echo
echo "Rounds: window $(paste -sd' ' "$work/window.txt"); tu_k-make $(paste -sd' ' "$work/make.txt"); gaps $(paste -sd' ' "$work/gap.txt")"
