#!/usr/bin/env bash
# Start-up time of tu_k against a minimal Qt Widgets window, both on the offscreen platform:
# wall time from starting the process until its window has painted and the event loop is
# idle, where the program ends at once (tuk_bench_startup, the program's own start with
# bench/ExitWhenIdle.cpp; no teardown is timed). For
# reference, a minimal window showing one line of text runs too. They run in turn; medians
# are printed.
# Usage: bench/startup.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-41}

cmake --build "$build" --target tuk_bench_startup minimal_window >/dev/null
tuk="$build/bench/tuk_bench_startup"
floor="$build/bench/minimal_window"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime"

# Milliseconds (with a fraction) one run of the program takes.
run_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.2f\n", (e - s) / 1000000 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One warm-up run each, so both start with the libraries in the page cache.
run_ms "$tuk" >/dev/null
run_ms "$floor" >/dev/null
: >"$home/tuk.txt"
: >"$home/floor.txt"
: >"$home/text.txt"
for _ in $(seq "$runs"); do
    run_ms "$tuk" >>"$home/tuk.txt"
    run_ms "$floor" >>"$home/floor.txt"
    run_ms "$floor" text >>"$home/text.txt"
done
tuk_ms=$(median <"$home/tuk.txt")
floor_ms=$(median <"$home/floor.txt")
echo "runs:           $runs each, in turn"
echo "tu_k:           $tuk_ms ms (median)"
echo "minimal window: $floor_ms ms (median)"
echo "one text line:  $(median <"$home/text.txt") ms (median; reference only)"
awk -v a="$tuk_ms" -v b="$floor_ms" 'BEGIN { printf "ratio:          %.2f\n", a / b }'
