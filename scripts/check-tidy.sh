#!/usr/bin/env bash
# Static checks of src/ (see .clang-tidy: bug-prone patterns, unchecked results of C calls,
# functions over 50 lines). Needs a configured build folder for its compile commands.
# Usage: scripts/check-tidy.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: $0 BUILD_DIR}
mapfile -t files < <(git ls-files 'src/*.cpp')
run-clang-tidy -quiet -j "$(nproc)" -p "$build" "${files[@]/#/$PWD/}" >"$build/tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/tidy.log" | sort -u >&2
    echo "clang-tidy found problems (full output: $build/tidy.log)" >&2
    exit 1
}
echo "clang-tidy: no findings"
