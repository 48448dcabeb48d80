#!/usr/bin/env bash
# Times tu_k-make against the file system's floor (bench/floor.cpp: stat each image, write a
# page of the same length with open/write/close) and compares peak memory for a large and a
# small folder. Usage: bench/generator.sh [BUILD_DIR]
# Environment: N (images per timed folder, 10000), ROUNDS (3), BIG (40000), SMALL (1000),
# TMPDIR (where the folders are made).
# On ext4, creating files right after many files were deleted nearby (a busy /tmp, or the
# clean-up of this script's previous run) is several times slower for minutes, as the file
# system avoids reusing recently freed inodes; both programs suffer, but unevenly. Run it on
# a quiet machine, five minutes after any mass deletion, with TMPDIR on a folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
N=${N:-10000}
ROUNDS=${ROUNDS:-3}
BIG=${BIG:-40000}
SMALL=${SMALL:-1000}

cmake --build "$build" --target tuk_bench >/dev/null
make=$PWD/$build/bin/tu_k-make
floor=$PWD/$build/bench/tuk_bench_floor
measure=$PWD/$build/bench/tuk_bench_measure

work=$(mktemp -d "${TMPDIR:-/tmp}/tuk-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config # the default page options; the user's store is not read

images() { # FOLDER COUNT: COUNT images of 3,000 bytes
    mkdir -p "$1"
    (cd "$1" && head -c $(($2 * 3000)) /dev/zero |
        split -b 3000 -a 6 -d --additional-suffix=.jpg - img_)
}
seconds() { # RESULT_FILE COMMAND...: runs the command, prints its wall-clock and CPU seconds
    local out=$1
    shift
    "$measure" "$out" "$@" >/dev/null
    cut -d' ' -f1,3 "$out"
}
median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
column() { cut -d' ' -f"$1" "$2"; } # FIELD FILE
ratios() { # FIELD MAKE_FILE FLOOR_FILE: per-round ratios make / floor
    paste -d' ' <(column "$1" "$2") <(column "$1" "$3") | awk '{printf "%.2f\n", $1 / $2}'
}

echo "Preparing folders of $N images (3,000 bytes each) in $work ..."
images "$work/probe" "$N"
for r in $(seq "$ROUNDS"); do
    images "$work/make$r" "$N"
    images "$work/floor$r" "$N"
done
images "$work/big" "$BIG"
images "$work/small" "$SMALL"
sync

# The floor writes pages as long as tu_k-make's; a probe run gives their mean length.
# tu_k-make writes next to the images on a fixed disk; elsewhere (TMPDIR on a RAM disk)
# --target sends the pages to the same place.
"$make" --yes --quiet --target "$work/probe" "$work/probe"
bytes=$(cat "$work/probe"/*.html | wc -c)
page=$((bytes / N))

: >"$work/first.make" >"$work/first.floor" >"$work/again.make" >"$work/again.floor"
for r in $(seq "$ROUNDS"); do
    # Alternate who goes first so that neither always meets the other's write-back.
    if [ $((r % 2)) -eq 1 ]; then
        seconds "$work/m" "$make" --yes --quiet --target "$work/make$r" "$work/make$r" >>"$work/first.make"
        seconds "$work/m" "$floor" "$work/floor$r" "$page" >>"$work/first.floor"
    else
        seconds "$work/m" "$floor" "$work/floor$r" "$page" >>"$work/first.floor"
        seconds "$work/m" "$make" --yes --quiet --target "$work/make$r" "$work/make$r" >>"$work/first.make"
    fi
    seconds "$work/m" "$make" --yes --quiet --target "$work/make$r" "$work/make$r" >>"$work/again.make"
    seconds "$work/m" "$floor" "$work/floor$r" "$page" >>"$work/again.floor"
done

"$measure" "$work/mem.big" "$make" --yes --quiet --target "$work/big" "$work/big"
"$measure" "$work/mem.small" "$make" --yes --quiet --target "$work/small" "$work/small"
big_kb=$(cut -d' ' -f2 "$work/mem.big")
small_kb=$(cut -d' ' -f2 "$work/mem.small")

row() { # LABEL MAKE_FILE FLOOR_FILE TARGET
    echo "| $1 | $(column 1 "$2" | median) | $(column 1 "$3" | median) |" \
        "$(ratios 1 "$2" "$3" | median) | $(column 2 "$2" | median) | $(column 2 "$3" | median) |" \
        "$(ratios 2 "$2" "$3" | median) | $4 |"
}

echo
echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')," \
    "Linux $(uname -r), file system $(stat -f -c %T "$work") ($(df --output=fstype "$work" | tail -1))"
echo "Pages: $N images, default options, $page bytes per page; medians of $ROUNDS rounds" \
    "(ratio: median of the rounds' ratios)"
echo
echo "| Run | tu_k-make wall (s) | floor wall (s) | wall ratio | tu_k-make CPU (s) | floor CPU (s) | CPU ratio | target |"
echo "|---|---|---|---|---|---|---|---|"
row "first run, no pages yet" "$work/first.make" "$work/first.floor" "wall <= 1.25"
row "re-run: pages unchanged / floor overwrites" "$work/again.make" "$work/again.floor" "wall <= 1.00"
echo
echo "| Peak memory of tu_k-make | kB |"
echo "|---|---|"
echo "| $SMALL images | $small_kb |"
echo "| $BIG images | $big_kb |"
echo "| difference | $((big_kb - small_kb)) (target <= 10240) |"
echo
for f in first.make first.floor again.make again.floor; do
    echo "Rounds, $f (wall CPU): $(paste -sd, "$work/$f" | sed 's/,/, /g')"
done
