#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch root and checks
# that it holds what an installation needs, that lintian and the desktop entry and metainfo
# validators find nothing wrong with it, and that the installed maker runs.
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
    usr/share/man/man1/tu_k.1.gz
    usr/share/man/man1/tu_k-make.1.gz
    usr/share/doc/tu-k/copyright
    usr/share/doc/tu-k/changelog.gz
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
for want in Depends:libqt6core6 Depends:libqt6widgets6 Depends:qt6-qpa-plugins \
    Recommends:qt6-wayland; do
    field=${want%%:*}
    value=$(dpkg-deb -f "$deb" "$field")
    case "$value" in
    *"${want#*:}"*) ;;
    *)
        echo "package check: $field lacks ${want#*:}: $value" >&2
        status=1
        ;;
    esac
done

# Errors, warnings and info tags fail (the hardening tags are info tags); pedantic ones are
# shown only, being matters of taste.
if ! report=$(lintian --fail-on error,warning,info --display-info --pedantic "$deb" 2>&1); then
    echo "package check: lintian found errors, warnings or info tags" >&2
    status=1
fi
grep -v 'running with root privileges' <<<"$report" >&2 || true
desktop=$scratch/root/usr/share/applications/tu_k.desktop
valid=yes
report=$(desktop-file-validate "$desktop" 2>&1) || valid=no
[ -z "$report" ] || echo "$report" >&2
if [ "$valid" = no ] || grep -q 'error:\|warning:' <<<"$report"; then
    echo "package check: desktop-file-validate rejects the desktop entry" >&2
    status=1
fi
if ! appstreamcli validate --no-net \
    "$scratch/root/usr/share/metainfo/example.tarnwick.tu_k.metainfo.xml" >&2; then
    echo "package check: the metainfo does not validate" >&2
    status=1
fi
version=$("$scratch/root/usr/bin/tu_k-make" --version)
case "$version" in
*1.0*) ;;
*)
    echo "package check: installed tu_k-make --version said: $version" >&2
    status=1
    ;;
esac
[ "$status" -eq 0 ] && echo "package check: $(basename "$deb") holds every file, lintian and both validators pass; $version"
exit "$status"
