#!/usr/bin/env bash
# Lines of code against lines of tests: src/ counts its .cpp, .h and CMakeLists.txt files,
# tests/ every tracked text file except the golden pages and the generated package-lock.json.
set -euo pipefail
cd "$(dirname "$0")/.."

count() { # count FILE... : the sum of their lines
    cat -- "$@" /dev/null | wc -l
}

mapfile -d '' -t src < <(git ls-files -z src | grep -zE '(\.cpp|\.h|/CMakeLists\.txt)$')
mapfile -d '' -t tests < <(git ls-files -z tests | grep -zvE '(\.golden|/package-lock\.json)$' |
    while IFS= read -r -d '' f; do grep -Iq . "$f" && printf '%s\0' "$f"; done)
s=$(count "${src[@]}")
t=$(count "${tests[@]}")
echo "src/:   $s lines"
echo "tests/: $t lines"
awk -v s="$s" -v t="$t" 'BEGIN { printf "tests/src: %.1f %%\n", 100 * t / s }'
