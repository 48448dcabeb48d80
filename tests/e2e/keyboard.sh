#!/usr/bin/env bash
# Drives the real window with the keyboard alone: picks the sample folder by typing in the
# tree, sets the background with a swatch and a bar, the font size with its bar, the target
# folder in the folder chooser, makes the pages, views them and closes the window.
# Usage: tests/e2e/keyboard.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "keyboard test FAILED: $*" >&2
    [ -f "$scratch/tu_k.log" ] && cat "$scratch/tu_k.log" >&2
    exit 1
}

home=$scratch/home
pics="$home/Desktop/MY PICS"
target=$scratch/web
mkdir -p "$home/Desktop" "$home/.config/Tarnwick" "$scratch/runtime" "$scratch/bin" "$target"
chmod 700 "$scratch/runtime"
cp -r "$here/sample-images" "$pics"
printf '[Window]\nDefL=0\nDefT=0\nDefW=10500\nDefH=8400\n' >"$home/.config/Tarnwick/Tu_K.conf"
# The desktop's browser: a stand-in that records what it was asked to open.
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$scratch" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$scratch/display")
openbox >/dev/null 2>&1 &
pids+=($!)
# Keys go to the window the window manager made active: start once it runs.
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

(cd "$scratch" && HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$scratch/runtime \
    PATH=$scratch/bin:$PATH QT_QPA_PLATFORM=xcb exec "$build/src/app/tu_k" >"$scratch/tu_k.log" 2>&1) &
app=$!
pids+=($app)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^tu_k$' | head -1) || fail "no window"
sleep 1
xdotool windowactivate --sync "$window" 2>/dev/null || fail "the window did not become active"

keys() { xdotool key --delay 100 "$@"; } # one key at a time, as a user types them
# The boxes are titled "Tu_K", the window "tu_k"; xdotool's search ignores letter case.
active_is() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
wait_for_box() {
    for _ in $(seq 100); do
        active_is Tu_K && return 0
        sleep 0.1
    done
    return 1
}

# The tree has the focus at start: typing the start of a name picks the folder.
xdotool type --delay 80 "my p"
sleep 1
# Alt+B selects the background; back over the blue, green and red bars to the swatches;
# LT CYAN is the fourth of the second row; then green one page lower on its bar.
keys alt+b shift+Tab shift+Tab shift+Tab shift+Tab Right Right Right Down Return
keys Tab Tab Page_Down
# On over the blue bar, the colour buttons and the font box to the font size: two up.
keys Tab Tab Tab Tab Right Right
# The target folder, typed into the folder chooser.
xdotool key ctrl+t
wait_for_box || fail "no folder chooser"
sleep 0.5
xdotool type --delay 30 "$target"
# Return accepts the typed folder; while the chooser is still reading the folder it may take
# the completion it offers instead, so Return again until the chooser is gone.
for _ in $(seq 10); do
    sleep 0.5
    active_is Tu_K || break
    xdotool key Return
done

xdotool key ctrl+k
wait_for_box || fail "no question box"
sleep 0.3
xdotool key alt+y
for _ in $(seq 50); do
    [ "$(find "$pics" -name '*.html' | wc -l)" -eq 6 ] && break
    sleep 0.1
done
[ "$(find "$pics" -name '*.html' | wc -l)" -eq 6 ] || fail "the pages were not made"
page="$pics/beach.day_jpg.html"
grep -q '^<body bgcolor=#00f5ff ' "$page" || fail "colours not set: $(grep '<body' "$page")"
grep -q '^<font face=Arial size=4>' "$page" || fail "font size not set: $(grep '<font' "$page")"

xdotool key ctrl+w
for _ in $(seq 50); do [ -s "$scratch/opened" ] && break; sleep 0.1; done
grep -q "MY%20PICS/100%25%20cotton_jpg.html$\|MY PICS/100% cotton_jpg.html$" "$scratch/opened" ||
    fail "the first page was not opened: $(cat "$scratch/opened" 2>/dev/null)"

keys alt+f x
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the window did not close from its menu"
grep -qx "TargetFolder=$target/" "$home/.config/Tarnwick/Tu_K.conf" ||
    fail "target folder not kept: $(grep TargetFolder "$home/.config/Tarnwick/Tu_K.conf")"
echo "keyboard test: folder, swatch, bars, target folder, pages and view, all by keyboard"
