#!/usr/bin/env bash
# Drives the real window on an X display with a window manager (openbox) as a user would, with
# the keyboard and the mouse: picks the sample folder in the tree, makes pages and answers the
# question, closes the window from its menu, and checks the pages and the stored window
# placement, also over several starts that each show a message first.
# Usage: tests/e2e/desktop.sh BUILD_DIR [SCREENSHOT.png]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
screenshot=${2:-}
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "desktop test FAILED: $*" >&2
    [ -f "$scratch/tu_k.log" ] && cat "$scratch/tu_k.log" >&2
    exit 1
}

# A user whose desktop holds the sample pictures in a folder named MY PICS, and whose store
# places a window large enough to show the image list.
home=$scratch/home
pics="$home/Desktop/MY PICS"
mkdir -p "$home/Desktop/NEW FOLDER" "$home/.config/Tarnwick" "$scratch/runtime"
chmod 700 "$scratch/runtime"
cp -r "$here/sample-images" "$pics"
printf '[Window]\nDefL=0\nDefT=0\nDefW=10500\nDefH=8400\n' >"$home/.config/Tarnwick/Tu_K.conf"

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$scratch/display")
command -v openbox >/dev/null || fail "openbox is missing (scripts/install-deps.sh test)"
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

# The largest visible window of the program (its message boxes are smaller), if any.
main_window() {
    for w in $(xdotool search --onlyvisible --name '^tu_k$' 2>/dev/null); do
        echo "$(xdotool getwindowgeometry "$w" | awk '/Geometry/ { split($2, a, "x"); print a[1] * a[2] }') $w"
    done | sort -n | tail -1 | cut -d' ' -f2
}

# Starts the window for the scratch user, first answering the start-up message with Enter
# when one is expected ("message"); sets app and window.
start_window() {
    (cd "$scratch" && HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$scratch/runtime \
        QT_QPA_PLATFORM=xcb exec "$build/src/app/tu_k" >"$scratch/tu_k.log" 2>&1) &
    app=$!
    pids+=($app)
    if [ "${1:-}" = message ]; then
        box=$(timeout 20 xdotool search --sync --onlyvisible --name '^tu_k$' | head -1) ||
            fail "no start-up message"
        sleep 0.5
        xdotool windowactivate --sync "$box" key Return
    fi
    window=
    for _ in $(seq 100); do
        window=$(main_window)
        [ -n "$window" ] && [ "$window" != "${box:-}" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || fail "no window"
    sleep 1
}

# Closes the window from its menu: Alt+F opens File, X is its Exit entry.
close_from_menu() {
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 0.3
    xdotool key alt+f
    sleep 0.4
    xdotool key x
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "the window did not close from its menu"
    return 0
}

# Clicks into the tree and types the start of a folder's name, so the tree selects it and
# lists its images; then makes pages with the shortcut and answers the question with its
# access key.
make_pages_of() {
    xdotool mousemove --window "$window" 330 62 click 1
    sleep 0.3
    xdotool type --delay 60 "$1"
    sleep 1
    xdotool key ctrl+k
    timeout 10 xdotool search --sync --name '^Tu_K$' >/dev/null || fail "no question box"
    sleep 0.3
    xdotool key alt+y
}

start_window
make_pages_of "my p"
for _ in $(seq 50); do
    [ "$(find "$pics" -name '*.html' | wc -l)" -eq 6 ] && break
    sleep 0.1
done
count=$(find "$pics" -name '*.html' | wc -l)
[ "$count" -eq 6 ] || fail "expected 6 pages in $pics, found $count"
grep -q 'Tarnwick' "$pics/beach.day_jpg.html" || fail "page without its credit line"
sleep 0.5

if [ -n "$screenshot" ]; then
    import -window "$window" "$screenshot"
    echo "desktop test: screenshot in $screenshot"
fi

xdotool mousemove --window "$window" 100 450 click 1
close_from_menu

store="$home/.config/Tarnwick/Tu_K.conf"
for key in DefL DefT DefW DefH; do
    grep -q "^$key=-\?[0-9]\+$" "$store" || fail "store lacks $key: $(cat "$store")"
done
grep -q '^DefW=10500$' "$store" || fail "placement not kept: $(cat "$store")"
grep -q '^TargetFolder=' "$store" || fail "store lacks the target folder"
echo "desktop test: folder picked, 6 pages made, window closed, placement stored"

# The session ends (SIGTERM) while pages are being made: the run stops after a whole page, the
# process ends, and nothing is saved.
big="$home/Desktop/BIG"
mkdir -p "$big"
(cd "$big" && head -c $((8000 * 3000)) /dev/zero | split -b 3000 -a 5 -d --additional-suffix=.jpg - img_)
before=$(cat "$store")
start_window
make_pages_of big
for _ in $(seq 100); do
    [ "$(find "$big" -name '*.html' | wc -l)" -gt 50 ] && break
    sleep 0.02
done
kill -TERM "$app"
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the window did not end on SIGTERM during a run"
made=$(find "$big" -name '*.html' | wc -l)
[ "$made" -gt 0 ] && [ "$made" -lt 8000 ] || fail "SIGTERM did not stop the run midway ($made pages)"
leftovers=$(find "$big" -type f ! -name '*.jpg' ! -name '*.html' | wc -l)
[ "$leftovers" -eq 0 ] || fail "files other than images and pages left behind"
for page in "$big"/*.html; do
    tail -c 9 "$page" | cmp -s - <(printf '</html>\r\n') || fail "half-written page $page"
done
[ "$(cat "$store")" = "$before" ] || fail "the store changed although the close came during a run"
echo "desktop test: SIGTERM during a run stopped it after $made whole pages, nothing saved"

# Each start shows a message (a stored value that does not convert) before the window: the
# window opens where the store says and the close keeps that, start after start.
printf '[Colors]\nBackG=abc\n' >>"$store"
placement=$(grep '^Def' "$store")
for start in 1 2 3; do
    start_window message
    close_from_menu
    now=$(grep '^Def' "$store")
    [ "$now" = "$placement" ] ||
        fail "the placement moved at start $start after a message: $(echo $placement) -> $(echo $now)"
done
echo "desktop test: three starts with a message each kept the placement $(echo $placement)"
