#!/usr/bin/env bash
# Builds and unpacks the Debian package: every file, lintian, both validators, the maker runs.
# Usage: tests/package/check.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null 2>&1)
deb=$(ls "$scratch"/out/tu-k_*.deb)
dpkg-deb -x "$deb" "$scratch/root"

status=0
bad() { echo "package check: $*" >&2; status=1; }
for f in usr/bin/tu_k usr/bin/tu_k-make usr/share/applications/tu_k.desktop \
    usr/share/metainfo/example.tarnwick.tu_k.metainfo.xml usr/share/man/man1/tu_k{,-make}.1.gz \
    usr/share/doc/tu-k/{copyright,changelog.gz} usr/share/icons/hicolor/{16x16,32x32,48x48}/apps/tu_k.png \
    usr/share/icons/hicolor/scalable/apps/tu_k.svg usr/share/tu_k/translations/tu_k_{de,fr}.qm; do
    [ -s "$scratch/root/$f" ] || bad "missing $f"
done
for want in Depends:libqt6core6 Depends:libqt6widgets6 Depends:qt6-qpa-plugins Recommends:qt6-wayland Recommends:qt6-translations-l10n; do
    value=$(dpkg-deb -f "$deb" "${want%%:*}")
    [[ "$value" == *"${want#*:}"* ]] || bad "${want%%:*} lacks ${want#*:}: $value"
done

# Errors, warnings and info (hardening) tags fail; pedantic ones are only shown.
report=$(lintian --fail-on error,warning,info --display-info --pedantic "$deb" 2>&1) ||
    bad "lintian found errors, warnings or info tags"
grep -v 'running with root privileges' <<<"$report" >&2 || true
desktop=$scratch/root/usr/share/applications/tu_k.desktop
if ! report=$(desktop-file-validate "$desktop" 2>&1) || grep -q 'error:\|warning:' <<<"$report"; then
    bad "desktop-file-validate rejects the desktop entry: $report"
fi
# Offered for folders, never their default: what installing does (update-desktop-database over
# the applications), over a copy of this machine's with a file manager, before and after ours.
apps=$scratch/share/applications
mkdir -p "$apps" && cp /usr/share/applications/*.desktop "$apps/" 2>/dev/null || true
grep -qs '^MimeType=.*inode/directory' "$apps"/*.desktop ||
    printf '[Desktop Entry]\nType=Application\nName=Files\nExec=pcmanfm %%U\nMimeType=inode/directory;\n' >"$apps/pcmanfm.desktop"
folder_default() {
    update-desktop-database "$apps" &&
        env -i PATH="$PATH" HOME="$scratch" XDG_DATA_DIRS="$scratch/share" xdg-mime query default inode/directory
}
before=$(folder_default)
cp "$desktop" "$apps/"
after=$(folder_default)
grep -q '^inode/directory=.*tu_k.desktop' "$apps/mimeinfo.cache" || bad "Tu_K is not offered for folders"
[ -n "$before" ] && [ "$after" = "$before" ] || bad "the default for folders went from '$before' to '$after'"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/example.tarnwick.tu_k.metainfo.xml" >&2 ||
    bad "the metainfo does not validate"
version=$("$scratch/root/usr/bin/tu_k-make" --version)
[[ "$version" == *1.0* ]] || bad "installed tu_k-make --version said: $version"
# The installed maker finds its installed translations.
LANGUAGE=de "$scratch/root/usr/bin/tu_k-make" --help | grep -q 'Die Seiten ohne Rückfrage erstellen' ||
    bad "the installed tu_k-make does not speak German under LANGUAGE=de"
# The installed maker finds its installed decoder: a photo larger than a thumbnail gets one.
mkdir "$scratch/photo"
convert -size 600x400 plasma: "$scratch/photo/p.jpg"
XDG_CONFIG_HOME=$scratch/config "$scratch/root/usr/bin/tu_k-make" --yes --quiet --index "$scratch/photo" &&
    [ -s "$scratch/photo/thumbs/p_jpg.jpg" ] || bad "the installed tu_k-make made no thumbnail"
[ "$status" -eq 0 ] && echo "package check: $(basename "$deb") holds every file, lintian and both validators pass; $version"
exit "$status"
