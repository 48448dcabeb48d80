#!/usr/bin/env bash
# Drives the real window under Xvfb and openbox as a user would: mouse and keys, keyboard alone,
# SIGTERM during a run, starts with a message, placement at two scales, a long run stopped with
# Escape on a small screen at scale 3, the Html menu's options, albums of a tree, German at scale
# 1 and 2; checks pages and the store; screenshots in BUILD/e2e-shots.
# Usage: desktop.sh BUILD
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
scratch=$(mktemp -d)
pids=()
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$scratch"' EXIT
fail() { echo "desktop test FAILED: $*" >&2; cat "$scratch/tu_k.log" >&2 2>/dev/null; exit 1; }
wait_until() { for _ in $(seq "$1"); do "${@:2}" && return 0 || sleep 0.1; done; return 1; } # $1 tenths of a second
shot() { mkdir -p "$build/e2e-shots" && import -window root "$build/e2e-shots/$1.png"; }
pages_in() { [ "$(find "$1" -name '*.html' | wc -l)" -eq "$2" ]; }
pages_whole() { for p in "$1"/*.html; do tail -c 9 "$p" | cmp -s - <(printf '</html>\r\n') || fail "half-written $p"; done; }
ended() { ! kill -0 "$app" 2>/dev/null; }
on_screen() { # on_screen WIDTH HEIGHT: the window's outer bounds x y w h lie on the screen
    read -r l r t b < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -d , | cut -d' ' -f3-)
    read -r x y w h < <(xwininfo -id "$window" | awk '/Absolute|Width|Height/ { print $NF }' | xargs)
    read -r x y w h <<<"$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$1" ] && [ $((y + h)) -le "$2" ]
}

# Sample pictures in MY PICS, a window large enough for the image list, a recording browser.
home=$scratch/home
pics="$home/Desktop/MY PICS"
store="$home/.config/Tarnwick/Tu_K.conf"
target=$scratch/web
mkdir -p "$home/Desktop/NEW FOLDER" "$home/.config/Tarnwick" "$scratch/runtime" "$scratch/bin" "$target"
chmod 700 "$scratch/runtime"
cp -r "$here/sample-images" "$pics"
printf '[Window]\nDefL=0\nDefT=0\nDefW=10500\nDefH=8400\n' >"$store"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$scratch" >"$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"

# Xvfb writes its display number once it accepts clients; keys need the window manager running.
wm_runs() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_screen() { # start_screen WIDTHxHEIGHT: a screen of that size with openbox, as DISPLAY
    rm -f "$scratch/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 & pids+=($!)
    wait_until 100 test -s "$scratch/display" || fail "Xvfb did not start at $1"
    export DISPLAY=:$(cat "$scratch/display")
    openbox >/dev/null 2>&1 & pids+=($!)
    wait_until 300 wm_runs || fail "openbox did not start at $1"
}
start_screen 1280x1024

# The largest visible window of the program (its message boxes are smaller), if any.
main_window() {
    for w in $(xdotool search --onlyvisible --name '^tu_k$' 2>/dev/null); do
        echo "$(xdotool getwindowgeometry "$w" | awk '/Geometry/ { split($2, a, "x"); print a[1] * a[2] }') $w"
    done | sort -n | tail -1 | cut -d' ' -f2
}
# The boxes are titled "Tu_K", the window "tu_k"; xdotool's search ignores letter case.
box_active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = Tu_K ]; }
keys() { xdotool key --delay 100 "$@"; } # one key at a time, as a user types them
# press_until TENTHS CONDITION KEY...: the keys, again each time the condition does not hold
# within TENTHS tenths of a second (a window can be shown before it takes keys); five tries.
press_until() {
    for _ in 1 2 3 4 5; do keys "${@:3}" && wait_until "$1" "$2" && return 0; done
    return 1
}
box_gone() { ! box_active; }

tu_k() { # the program in the test's home; run in a subshell, which becomes the program
    cd "$scratch" && HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$scratch/runtime \
        PATH=$scratch/bin:$PATH QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=${scale:-1} \
        LANGUAGE=${language:-en} exec "$build/bin/tu_k" "$@"
}
# Starts the window (with "${args[@]}"), first answering the start-up message with Enter if
# "message"; sets app, window.
args=()
start_window() {
    (tu_k "${args[@]}" >"$scratch/tu_k.log" 2>&1) &
    app=$!
    pids+=($app)
    box=
    if [ "${1:-}" = message ]; then
        box=$(timeout 20 xdotool search --sync --onlyvisible --name '^tu_k$' | head -1) ||
            fail "no start-up message"
        xdotool windowactivate --sync "$box" 2>/dev/null || true
        press_until 30 box_gone Return || fail "the start-up message did not take Return"
    fi
    found() { window=$(main_window) && [ -n "$window" ] && [ "$window" != "$box" ]; }
    wait_until 200 found || fail "no window"
    activated() { xdotool windowactivate --sync "$window" 2>/dev/null; }
    wait_until 50 activated || fail "the window did not become active"
}

close_from_menu() { # Alt+F opens File, X is its Exit entry; or the keys given
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    local exit_keys=("$@")
    [ $# -gt 0 ] || exit_keys=(alt+f x)
    press_until 50 ended "${exit_keys[@]}" || fail "the window did not close from its menu"
}
make_pages() { # the shortcut (Make waits for the folder's images), the question answered
    press_until 20 box_active ctrl+k || fail "no question box"
    press_until 30 box_gone alt+y || fail "the question did not take Alt+Y"
}
pick_folder() { # a click into the tree; the start of a folder's name typed selects it
    xdotool mousemove --window "$window" 330 62 click 1 type --delay 60 "$1"
}

start_window
pick_folder "my p"
make_pages
wait_until 50 pages_in "$pics" 7 || fail "expected 7 pages in $pics"
xdotool mousemove --window "$window" 100 450 click 1
close_from_menu
grep -q '^DefW=10500$' "$store" || fail "placement not stored: $(cat "$store")"
echo "desktop test: folder picked, 7 pages made, window closed, placement stored"

# The keyboard alone: typing picks the folder in the focused tree; Alt+B, back over three bars to
# the swatches (LT CYAN: 2nd row, 4th); green a page lower; on to the font size: two up.
start_window
rm "$pics"/*.html
xdotool type --delay 80 "my p"
keys alt+b shift+Tab shift+Tab shift+Tab shift+Tab Right Right Right Down Return
keys Tab Tab Page_Down Tab Tab Tab Tab Right Right
xdotool key ctrl+t
wait_until 100 box_active || fail "no folder chooser"
xdotool type --delay 30 "$target"
# Return accepts the folder, or a completion the chooser offers meanwhile: again until it is gone.
press_until 10 box_gone Return || fail "the folder chooser did not take the folder"
make_pages
wait_until 50 pages_in "$pics" 7 || fail "the pages were not made by keyboard"
page="$pics/beach.day_jpg.html"
grep -q '^<body bgcolor=#00f5ff ' "$page" || fail "colours not set: $(grep '<body' "$page")"
grep -q '^<font face=Arial size=4>' "$page" || fail "font size not set: $(grep '<font' "$page")"
xdotool key ctrl+w
wait_until 50 test -s "$scratch/opened" || true
grep -q "MY%20PICS/100%25%20cotton_jpg.html$\|MY PICS/100% cotton_jpg.html$" "$scratch/opened" ||
    fail "the first page was not opened: $(cat "$scratch/opened" 2>/dev/null)"
close_from_menu
grep -qx "TargetFolder=$target/" "$store" || fail "target folder not kept: $(grep TargetFolder "$store")"
echo "desktop test: swatch, bars, target folder, pages and view, all by keyboard"

# tu_k FOLDER opens on it; a second start hands OTHER (an address, as file managers pass it)
# over to that window and ends; the first window has OTHER chosen and keeps it at its close.
args=("$pics") && start_window && args=()
shot started-on-folder
(tu_k "file://$home/Desktop/NEW%20FOLDER") & second=$!
wait_until 200 eval '! kill -0 $second 2>/dev/null' && wait "$second" || fail "the second start did not hand its folder over"
shot other-handed-over
close_from_menu
grep -qx "sLastFolder=$home/Desktop/NEW FOLDER/" "$store" || fail "OTHER not chosen: $(grep Folder "$store")"
echo "desktop test: started on a folder, a second start handed another one over"

# SIGTERM while pages are made: the run stops after a whole page, the process ends, nothing saved.
big="$home/Desktop/BIG"
mkdir -p "$big" && convert -size 320x240 gradient:navy-gold "$big/img_00000.jpg"
seq -f "$big/img_%05g.jpg" 1 7999 | xargs -d '\n' -n 1 ln "$big/img_00000.jpg"
before=$(cat "$store")
start_window
pick_folder big
make_pages
for _ in $(seq 100); do [ "$(find "$big" -name '*.html' | wc -l)" -gt 50 ] && break || sleep 0.02; done
kill -TERM "$app"
wait_until 100 ended || fail "the window did not end on SIGTERM during a run"
made=$(find "$big" -name '*.html' | wc -l)
[ "$made" -gt 0 ] && [ "$made" -lt 8000 ] || fail "SIGTERM did not stop the run midway ($made pages)"
[ "$(find "$big" -type f ! -name '*.jpg' ! -name '*.html' | wc -l)" -eq 0 ] ||
    fail "files other than images and pages left behind"
pages_whole "$big"
[ "$(cat "$store")" = "$before" ] || fail "the store changed although the close came during a run"
echo "desktop test: SIGTERM during a run stopped it after $made whole pages, nothing saved"

# A bad stored value: each start shows a message first; the placement stays, start after start.
printf '[Colors]\nBackG=abc\n' >>"$store"
placement=$(grep '^Def' "$store")
for start in 1 2 3; do
    start_window message
    close_from_menu
    [ "$(grep '^Def' "$store")" = "$placement" ] || fail "the placement moved at start $start"
done
echo "desktop test: three starts with a message each kept the placement $(echo $placement)"

# A stored 1000 × 800 window at (200, 100) opens there at scale 1, whole on the screen at scale 2;
# maximised (a double click on its title bar) and closed, it opens maximised, normal bounds kept.
maxed() { xprop -id "$window" _NET_WM_STATE | grep -q MAXIMIZED_HORZ; }
for scale in 2 1; do
    printf '[Window]\nDefL=3000\nDefT=1500\nDefW=15000\nDefH=12000\n' >"$store"
    start_window
    on_screen 1280 1024 && { [ "$scale" = 2 ] || [ "$x $y $w $h" = "200 100 1000 800" ]; } ||
        fail "at scale $scale the window is at $x $y $w $h"
    shot "placement-$scale"
    xdotool mousemove $((x + w / 2)) $((y + 8)) click --repeat 2 1
    wait_until 50 maxed || fail "the window did not maximise at scale $scale"
    close_from_menu
    normal=$(grep '^Def' "$store")
    start_window
    maxed || fail "the window closed maximised opens as a plain one at scale $scale"
    shot "maximised-$scale"
    close_from_menu
    [ "$(grep '^Def' "$store")" = "$normal" ] || fail "normal bounds moved: $(grep Def "$store")"
done
echo "desktop test: placement on the screen and maximised, at scale 2 and 1"

# The keyboard alone at scale 3 on a screen too small for the designed size: the window fits, the
# wheel scrolls its style panel, a long run with the index page (BIG) shows its bar and Stop; once
# Escape stops it, every page is whole and the index names only thumbnails that exist.
start_screen 1600x1000
sed -i 's/^lMaxed=True/lMaxed=False/' "$store"
args=("$big") && scale=3 start_window && args=() # scale 3 for this start only
on_screen 1600 1000 || fail "at scale 3 on 1600 x 1000 the window is at $x $y $w $h"
keys alt+h i
make_pages
thumbs_over() { [ "$(find "$big/thumbs" -type f 2>/dev/null | wc -l)" -gt "$1" ]; }
wait_until 300 thumbs_over 20 || fail "no thumbnails were made"
xdotool mousemove --window "$window" 150 600 click --repeat 5 --delay 100 5
shot long-run
xdotool key Escape
close_from_menu # Exit waits for the end of a run
! thumbs_over 15999 || fail "Escape did not stop the run"
pages_whole "$big"
[ -f "$big/index.html" ] || ! grep -q 'href="index.html"' "$big/img_00000_jpg.html" ||
    fail "the pages link to an index page that does not exist"
for thumb in $(grep -o 'thumbs/[^" ,]*' "$big/index.html" | sort -u); do
    [ -f "$big/$thumb" ] || fail "index.html names the missing thumbnail $thumb"
done
echo "desktop test: scale 3 fits; Escape stopped a long run; its pages are whole, its index no gap"

# The Html menu's options by their access keys (the menu shown open), kept by Ctrl+S.
menu_open() { [ "$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l)" -gt 1 ]; }
options_kept() { [ "$(grep -cx 'l\(Subfolders\|IntoTarget\|WebReady\|CaptureDates\|Captions\|Camera\)=True' "$store")" = 6 ]; }
start_window
keys alt+h s alt+h t alt+h r alt+h c alt+h p alt+h f alt+h
wait_until 50 menu_open || fail "the Html menu did not open" && shot html-options
keys Escape Escape ctrl+s && wait_until 50 options_kept ||
    fail "the Html menu's options were not kept: $(grep '^l' "$store")"
close_from_menu
echo "desktop test: the Html menu's options by their access keys, kept by Ctrl+S"

# The keyboard alone makes albums of a tree: typing picks TREE, Alt+H I and Alt+H S turn on the
# index page and the subfolders; every album with images gets its index, and View opens the top one.
tree="$home/Desktop/TREE"
albums=("$tree" "$tree/Family" "$tree/Family/Kids" "$tree/Family/Garden")
mkdir -p "${albums[@]}" "$tree/Notes"
cp "$here/sample-images/"{"100% Cotton.jpg",Beach.Day.JPG} "$tree"
cp "$here/sample-images/"{"Fish & Chips.gif","Track #5.jpeg"} "$tree/Family/Kids"
cp "$here/sample-images/"{"Harbour at dusk.jpg","sunset at sea.jpg"} "$tree/Family/Garden"
printf '[Window]\nDefL=0\nDefT=0\nDefW=10500\nDefH=8400\n' >"$store"
rm -f "$scratch/opened"
start_window
xdotool type --delay 80 tree
keys alt+h i alt+h s alt+h
wait_until 50 menu_open || fail "the Html menu did not open"
shot albums-menu
keys Escape Escape ctrl+k
wait_until 100 box_active || fail "no question box for the tree"
shot albums-question
xdotool key alt+y
albums_made() { for a in "${albums[@]}"; do [ -f "$a/index.html" ] || return 1; done; pages_in "$tree" 10; }
wait_until 100 albums_made || fail "not every album got its index: $(find "$tree" -name '*.html')"
[ ! -e "$tree/Notes/index.html" ] || fail "a folder without images got an index"
for a in "${albums[@]}"; do pages_whole "$a"; done
# View waits for the end of the run: pressed again until the browser is asked.
for _ in $(seq 20); do xdotool key ctrl+w; wait_until 5 test -s "$scratch/opened" && break; done
[ "$(sort -u "$scratch/opened")" = "file://$tree/index.html" ] ||
    fail "View did not open the top album's index: $(cat "$scratch/opened" 2>/dev/null)"
shot albums-made
close_from_menu
echo "desktop test: albums of a tree by keyboard, an index in each, View on the top one"

# In German at scale 1 and 2: the question takes Qt's German Yes (Alt+J), Datei > Beenden (Alt+D B)
# closes the window; the screenshots show every caption whole.
for scale in 1 2; do
    rm -f "$pics"/*.html
    args=("$pics") && language=de start_window && args=()
    shot "german-$scale"
    xdotool key ctrl+k
    wait_until 100 box_active || fail "no question box in German at scale $scale"
    shot "german-question-$scale"
    xdotool key alt+j
    wait_until 50 pages_in "$pics" 7 || fail "the German Ja made no pages at scale $scale"
    close_from_menu alt+d b # Datei > Beenden
done
echo "desktop test: in German at scale 1 and 2, the question answered Ja and closed from Datei"
