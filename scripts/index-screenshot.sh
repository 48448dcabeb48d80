#!/usr/bin/env bash
# Takes docs/index.png: the index page of a small folder of made-up photos, as headless
# Chromium shows it. Usage: scripts/index-screenshot.sh [BUILD_DIR] [OUT.png]
# Needs ImageMagick's convert and chromium.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
out=$(realpath -m "${2:-$repo/docs/index.png}")
work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT
export XDG_CONFIG_HOME=$work/config # default page options: the user's store is not read

folder=$work/Holiday
mkdir "$folder"
seed=1
# Landscape and portrait pictures of plasma noise, each with its own seed and colours.
for spec in "harbour at dusk:1600x1200:navy-orange" "old town:1200x1600:sienna-khaki" \
    "beach day:1600x1000:skyblue-wheat" "hill path:1600x1200:darkgreen-gold" \
    "market:1200x1500:firebrick-gold" "lighthouse:1600x1200:steelblue-white" \
    "night train:1600x900:black-purple" "garden:1500x1500:olivedrab-pink"; do
    IFS=: read -r name size colours <<<"$spec"
    convert -seed $((seed++)) -size "$size" "plasma:$colours" -blur 0x2 -quality 88 \
        "$folder/$name.jpg"
done
"$build/bin/tu_k-make" --yes --quiet --index "$folder" >/dev/null
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=800,940 \
    --screenshot="$out" "file://$folder/index.html" 2>/dev/null
echo "wrote $out"
