# Sourced by the benchmarks of tu_k-make, with `build` set: builds the maker and the measure
# tool, makes a scratch folder $work (removed at the end) whose settings are the default page
# options (the user's store is never read), and defines median and ratio.
# Usage: . bench/maker-setup.sh NAME [vips]   (vips: vipsthumbnail is needed too)
cmake --build "$build" --target tuk_bench tu_k-make >/dev/null
make=$PWD/$build/bin/tu_k-make
measure=$PWD/$build/bench/tuk_bench_measure
if [ "${2:-}" = vips ] && ! command -v vipsthumbnail >/dev/null; then
    echo "vipsthumbnail is missing (libvips-tools)" >&2
    exit 2
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/tuk-$1.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
ratio() { # A B [DIGITS]: A / B
    awk -v a="$1" -v b="$2" -v d="${3:-2}" 'BEGIN{printf "%.*f", d, a/b}'
}
