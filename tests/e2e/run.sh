#!/usr/bin/env bash
# End-to-end tests against a build folder: the pages in a real browser, the window on a real
# X display. Usage: tests/e2e/run.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)

skip() {
    # Outside CI a missing tool skips the test, loudly; in CI it is a failure.
    if [ "${CI:-}" = true ]; then
        echo "E2E FAILED: $*" >&2
        exit 1
    fi
    printf '\n*** SKIPPED: %s ***\n\n' "$*" >&2
}

if [ ! -x /usr/bin/chromium ]; then
    skip "browser test (no /usr/bin/chromium; install the chromium package)"
else
    if [ ! -d "$here/node_modules/playwright-core" ]; then
        (cd "$here" && npm ci --no-audit --no-fund --silent)
    fi
    node "$here/browser.test.mjs" "$build/src/app/make/tu_k-make"
fi

if [ -x "$here/desktop.sh" ]; then
    if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
        "$here/desktop.sh" "$build"
    else
        skip "desktop test (Xvfb or xdotool missing)"
    fi
fi

if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v openbox >/dev/null; then
    "$here/keyboard.sh" "$build"
else
    skip "keyboard test (Xvfb, xdotool or openbox missing)"
fi
