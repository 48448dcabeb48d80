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
# Puts an EXIF segment into a JPEG: when it was taken, a caption and a camera's facts.
exif() { # FILE TAKEN CAPTION
    python3 - "$@" <<'PY'
import struct, sys
path, taken, caption = sys.argv[1:]
def directory(entries, start, nxt=0):
    head, values = struct.pack('>H', len(entries)), b''
    at = start + 2 + 12 * len(entries) + 4
    for tag, kind, count, value in entries:
        if len(value) <= 4:
            head += struct.pack('>HHI', tag, kind, count) + value.ljust(4, b'\0')
        else:
            head += struct.pack('>HHII', tag, kind, count, at + len(values))
            values += value
    return head + struct.pack('>I', nxt) + values
text = lambda t: t.encode() + b'\0'
ratio = lambda n, d: struct.pack('>II', n, d)
first = [(0x010E, 2, len(text(caption)), text(caption)), (0x010F, 2, 6, text('Canon')),
         (0x0110, 2, 13, text('Canon EOS R6')), (0x8769, 4, 1, struct.pack('>I', 0))]
exif_at = 8 + len(directory(first, 8))
first[3] = (0x8769, 4, 1, struct.pack('>I', exif_at))
second = [(0x829A, 5, 1, ratio(1, 320)), (0x829D, 5, 1, ratio(56, 10)), (0x8827, 3, 1, struct.pack('>H', 200)),
          (0x9003, 2, 20, text(taken)), (0x920A, 5, 1, ratio(35, 1)), (0xA434, 2, 16, text('RF24-105mm F4L'))]
tiff = b'MM\0\x2a' + struct.pack('>I', 8) + directory(first, 8) + directory(second, exif_at)
body = b'Exif\0\0' + tiff
jpeg = open(path, 'rb').read()
open(path, 'wb').write(jpeg[:2] + b'\xff\xe1' + struct.pack('>H', len(body) + 2) + body + jpeg[2:])
PY
}
photo() { # FOLDER NAME SIZE COLOURS TAKEN CAPTION
    mkdir -p "$1"
    convert -seed $((seed++)) -size "$3" "plasma:$4" -blur 0x2 -quality 88 "$1/$2.jpg"
    exif "$1/$2.jpg" "$5" "$6"
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
