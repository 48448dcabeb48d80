#!/usr/bin/env bash
# Takes docs/albums.png (an album's index page with its sub-albums, as headless Chromium shows
# it), docs/web-ready-phone.png (a web-ready page and the top album's index side by side at
# a phone's 390 x 844, device scale 2) and docs/web-ready-story.png (a page with its caption and
# camera facts on a desktop) from a small tree of made-up photos with capture dates. Usage: scripts/album-screenshots.sh [BUILD_DIR]
# Needs ImageMagick's convert and chromium.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT
mkdir -p "$work/config/Tarnwick"
export XDG_CONFIG_HOME=$work/config
printf '[Others]\nlIndex=True\nlSubfolders=True\nlWebReady=True\nlFSize=False\nlCaptureDates=True\nlCaptions=True\nlCamera=True\n' \
    >"$work/config/Tarnwick/Tu_K.conf"

top=$work/Pictures
seed=1
photo() { # FOLDER NAME SIZE COLOURS TAKEN CAPTION
    mkdir -p "$1"
    convert -seed $((seed++)) -size "$3" "plasma:$4" -blur 0x2 -quality 88 "$1/$2.jpg"
    python3 "$repo/scripts/add-exif.py" "$1/$2.jpg" "$5" "$6"
}
photo "$top" "harbour at dusk" 2400x1600 navy-orange "2024:09:14 19:42:10" "Boats coming home"
photo "$top" "old town" 1600x2400 sienna-khaki "2024:09:14 11:05:31" "The lane behind the church"
photo "$top/Holiday 2024" "beach day" 2400x1500 skyblue-wheat "2024:07:02 15:20:00" "Low tide"
photo "$top/Holiday 2024" "hill path" 2400x1800 darkgreen-gold "2024:07:04 09:12:45" "Up to the ridge"
photo "$top/Family/Kids" "market" 1800x2250 firebrick-gold "2024:05:18 10:30:00" "Market day"
photo "$top/Family/Garden" "garden" 2000x2000 olivedrab-pink "2024:05:02 17:00:02" "First roses"
photo "$top/Family/Garden" "lighthouse" 2400x1800 steelblue-white "2024:05:09 20:15:00" "The light at dusk"
"$build/bin/tu_k-make" --yes --quiet "$top" >/dev/null

shoot() { # OUT.png URL SIZE [SCALE]
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size="$3" \
        --force-device-scale-factor="${4:-1}" --screenshot="$1" "$2" 2>/dev/null
    convert "$1" -colors 256 "PNG8:$1" # a third of the size, no difference to see
    echo "wrote $1"
}
shoot "$repo/docs/albums.png" "file://$top/index.html" 800,700
shoot "$work/page.png" "file://$top/Family/Kids/market_jpg.html" 390,844 2
shoot "$work/index.png" "file://$top/index.html" 390,844 2
convert "$work/page.png" \( "$work/index.png" -background white -splice 24x0 \) +append \
    -colors 256 "PNG8:$repo/docs/web-ready-phone.png"
echo "wrote $repo/docs/web-ready-phone.png"
shoot "$repo/docs/web-ready-story.png" "file://$top/old town_jpg.html" 1000,800
