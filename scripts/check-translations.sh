#!/usr/bin/env bash
# Fails when a translation file is out of date with the sources (lupdate would change it) or a
# shipped language has an entry without its translation. The files are left as they were.
# Usage: scripts/check-translations.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
kept=$(mktemp -d)
trap 'cp "$kept"/*.ts translations/; rm -rf "$kept"' EXIT
cp translations/*.ts "$kept/"
cmake --build "$build" --target update_translations >/dev/null
status=0
for ts in translations/*.ts; do
    if ! cmp -s "$ts" "$kept/$(basename "$ts")"; then
        echo "check-translations: $ts is out of date with the sources:" \
            "run 'cmake --build $build --target update_translations' and translate what is new" >&2
        status=1
    fi
    if unfinished=$(grep -c 'type="unfinished"' "$ts"); then
        echo "check-translations: $ts has $unfinished entries without their translation" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "check-translations: every language up to date and complete"
exit "$status"
