#!/usr/bin/env bash
# Plants each fault of a list, one at a time, in a scratch copy of the tracked files, rebuilds
# that copy and runs the tests that should catch it; prints "killed" or "survived" per fault,
# then the totals and the kill rate. The working tree is never changed.
# Usage: scripts/mutation-test.sh [LIST] [SCRATCH]   (defaults: scripts/mutants.txt,
# build-mutants). LIST: one fault a line, four fields separated by tabs: file, the exact text
# to find (its first occurrence is replaced), the replacement (in both, \n stands for a line
# end, \t for a tab, \\ for a backslash), and the ctest -R regular expression of the tests
# that should fail. Blank lines and lines starting with # are skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
list=$(realpath "${1:-scripts/mutants.txt}")
scratch=$(realpath -m "${2:-build-mutants}")
tree=$scratch/tree
build=$scratch/build
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
export CCACHE_BASEDIR=$scratch CCACHE_NOHASHDIR=1

# The scratch copy follows the tracked files as they are now; the build in it is kept between
# runs, so each fault rebuilds only what it touches.
mkdir -p "$tree" "$build"
git ls-files -z | while IFS= read -r -d '' f; do
    if ! cmp -s "$f" "$tree/$f"; then # only a changed file gets a new time, and is rebuilt
        mkdir -p "$tree/$(dirname "$f")"
        cp -p "$f" "$tree/$f" && touch "$tree/$f"
    fi
done
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice cmake --build "$build" -j "$(nproc)" >/dev/null

current=""
restore() {
    if [ -n "$current" ]; then
        cp "$scratch/original" "$tree/$current" # a new mtime: the next build takes it again
        current=""
    fi
}
trap 'restore; exit 130' INT TERM
trap restore EXIT

killed=0 survived=0 invalid=0 n=0
while IFS= read -r line <&3 || [ -n "$line" ]; do
    [[ -z "$line" || "$line" == \#* ]] && continue
    # Split at the tabs by hand: read would merge the two around an empty replacement.
    file=${line%%$'\t'*} rest=${line#*$'\t'}
    find=${rest%%$'\t'*} rest=${rest#*$'\t'}
    replace=${rest%%$'\t'*} tests=${rest#*$'\t'}
    n=$((n + 1))
    label="$n $file: ${find:0:60}"
    cp "$tree/$file" "$scratch/original"
    current=$file
    if ! FIND=$find REPLACE=$replace python3 - "$tree/$file" <<'PY'; then
import os, re, sys
unescape = lambda s: re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m[1], m[1]), s)
path, find, replace = sys.argv[1], unescape(os.environ["FIND"]), unescape(os.environ["REPLACE"])
text = open(path, encoding="utf-8").read()
if find not in text:
    sys.exit(1)
open(path, "w", encoding="utf-8").write(text.replace(find, replace, 1))
PY
        echo "invalid   $label (text not found)"
        invalid=$((invalid + 1))
        restore
        continue
    fi
    # Only the programs of the tests that should catch the fault are rebuilt, with what they
    # link and run: a full build per fault would take most of the run.
    mapfile -t targets < <(ctest --test-dir "$build" -N -R "$tests" -LE slow |
        sed -n 's/^ *Test *#[0-9]*: *//p')
    if [ ${#targets[@]} -eq 0 ]; then
        echo "invalid   $label (no test matches $tests)"
        invalid=$((invalid + 1))
    elif ! nice cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" \
        >"$scratch/build.log" 2>&1; then
        echo "invalid   $label (does not build)"
        invalid=$((invalid + 1))
    elif ctest --test-dir "$build" -R "$tests" -LE slow -j "$(nproc)" --timeout 120 \
        >"$scratch/ctest.log" 2>&1; then
        echo "survived  $label   [$tests]"
        survived=$((survived + 1))
    else
        echo "killed    $label"
        killed=$((killed + 1))
    fi
    restore
done 3<"$list"

valid=$((killed + survived))
echo "mutants: $n, killed: $killed, survived: $survived, invalid: $invalid"
awk -v k="$killed" -v v="$valid" 'BEGIN { printf "kill rate: %.1f %%\n", v ? 100 * k / v : 0 }'
[ "$invalid" -eq 0 ] && [ $((killed * 100)) -ge $((valid * 95)) ]
