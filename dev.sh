#!/usr/bin/env bash
# Set-up entry point: installs what is missing, builds, then starts the program or runs
# every test. Usage: ./dev.sh start | ./dev.sh test
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-}
case "$mode" in
start | test) ;;
*)
    echo "usage: $0 start|test" >&2
    exit 2
    ;;
esac

scripts/install-deps.sh "$mode"
jobs=$(nproc)

configure() { # configure DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

build() { # build DIR [cmake options...]
    configure "$@"
    cmake --build "$1" -j "$jobs"
}

if [ "$mode" = start ]; then
    # Only the window and what it links: the tests and the maker wait for "test".
    configure build
    cmake --build build -j "$jobs" --target tu_k
    exec build/bin/tu_k
fi

scripts/check-format.sh
build build
scripts/check-translations.sh build
scripts/check-tidy.sh build
# The slow cases (ctest label "slow") run once, in CI, as a step of their own.
ctest --test-dir build --output-on-failure -j "$jobs" -LE slow
if [ "${CI:-}" = true ]; then
    ctest --test-dir build --output-on-failure -L slow
fi
build build-asan -DTUK_SANITIZE=ON
ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE slow
# ThreadSanitizer over the tests whose runs decode pictures on threads of their own; only their
# programs are built, which keeps the step short.
tsan_tests=(tst_thumbnails tst_interruptions tst_site)
configure build-tsan -DTUK_SANITIZE=thread
cmake --build build-tsan -j "$jobs" --target "${tsan_tests[@]}"
ctest --test-dir build-tsan --output-on-failure -j "$jobs" -R "^($(IFS='|' && echo "${tsan_tests[*]}"))\$"
tests/e2e/run.sh build
tests/package/check.sh build
echo "All tests passed."
