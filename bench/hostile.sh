#!/usr/bin/env bash
# Hostile images cannot hurt a run: tu_k-make --index over 200 photos with 24 progressive JPEGs
# that declare 16000 x 16000 pixels (a few hundred bytes each), against the same run without
# them, side by side; peak memory of the run and its decoders together, and the final line.
# Usage: bench/hostile.sh [BUILD_DIR]   Environment: N (photos, 200), BOMBS (24), ROUNDS (3).
# Needs ImageMagick's convert (to make the photos).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
N=${N:-200}
BOMBS=${BOMBS:-24}
ROUNDS=${ROUNDS:-3}

. bench/maker-setup.sh hostile

mkdir -p "$work/plain" "$work/hostile"
convert -size 4000x3000 plasma:fractal -quality 90 "$work/photo.jpg"
for i in $(seq -w 1 "$N"); do cp "$work/photo.jpg" "$work/plain/p$i.jpg"; done
cp "$work/plain"/*.jpg "$work/hostile/"
# A 64 x 64 progressive JPEG whose frame header is made to say 16000 x 16000.
convert -size 64x64 plasma:fractal -interlace JPEG "$work/small.jpg"
python3 - "$work/small.jpg" "$work/bomb.jpg" <<'PY'
import sys
b = bytearray(open(sys.argv[1], "rb").read())
at = b.index(b"\xff\xc2")
b[at + 5:at + 9] = (16000).to_bytes(2, "big") * 2
open(sys.argv[2], "wb").write(b)
PY
for i in $(seq -w 1 "$BOMBS"); do cp "$work/bomb.jpg" "$work/hostile/bomb$i.jpg"; done

for _ in $(seq "$ROUNDS"); do
    for kind in plain hostile; do
        rm -rf "$work/$kind/thumbs" "$work/$kind"/*.html
        "$measure" "$work/r" "$make" --yes --index "$work/$kind" >"$work/$kind.out" 2>/dev/null
        cut -d' ' -f1 "$work/r" >>"$work/$kind.t"
        cut -d' ' -f2 "$work/r" >>"$work/$kind.kb"
    done
done
plain=$(median <"$work/plain.t")
hostile=$(median <"$work/hostile.t")
echo "$N photos of 4000 x 3000 with and without $BOMBS declaring 16000 x 16000, $(nproc) cores, median of $ROUNDS rounds"
echo "without them: $plain s, peak $(sort -g "$work/plain.kb" | tail -1) kB"
echo "with them:    $hostile s ($(ratio "$hostile" "$plain") x; target <= 1.2), peak $(sort -g "$work/hostile.kb" | tail -1) kB (target < 300 MB)"
echo "last line:    $(tail -1 "$work/hostile.out")"
