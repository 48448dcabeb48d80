#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch root and checks
# that it holds what an installation needs and that the installed maker runs.
# Usage: tests/package/check.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null 2>&1)
deb=$(ls "$scratch"/out/tu-k_*.deb)
dpkg-deb -x "$deb" "$scratch/root"

expected=(
    usr/bin/tu_k
    usr/bin/tu_k-make
    usr/share/applications/tu_k.desktop
    usr/share/metainfo/example.tarnwick.tu_k.metainfo.xml
    usr/share/man/man1/tu_k-make.1
    usr/share/icons/hicolor/16x16/apps/tu_k.png
    usr/share/icons/hicolor/32x32/apps/tu_k.png
    usr/share/icons/hicolor/48x48/apps/tu_k.png
    usr/share/icons/hicolor/scalable/apps/tu_k.svg
)
status=0
for f in "${expected[@]}"; do
    if [ ! -s "$scratch/root/$f" ]; then
        echo "package check: missing $f" >&2
        status=1
    fi
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6widgets6 qt6-qpa-plugins; do
    case "$depends" in
    *"$lib"*) ;;
    *)
        echo "package check: Depends lacks $lib: $depends" >&2
        status=1
        ;;
    esac
done
version=$("$scratch/root/usr/bin/tu_k-make" --version)
case "$version" in
*1.0*) ;;
*)
    echo "package check: installed tu_k-make --version said: $version" >&2
    status=1
    ;;
esac
[ "$status" -eq 0 ] && echo "package check: $(basename "$deb") holds every file; $version"
exit "$status"
