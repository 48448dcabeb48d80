#!/usr/bin/env bash
# Installs the Debian packages the build (and, for "test", the test suite) needs.
# Idempotent and silent when everything is there already.
set -euo pipefail
mode=${1:-start}

# libqt6svg6 carries Qt's SVG image and icon plugins: the window draws its pictures from SVG.
# qt6-tools-dev and qt6-l10n-tools turn the translations into the files the programs read;
# qt6-translations-l10n holds Qt's own (the standard dialogs' buttons).
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libqt6svg6
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
if [ "$mode" = test ]; then
    packages+=(clang-format clang-tidy xvfb xauth xdotool x11-utils openbox imagemagick chromium
        fonts-dejavu-core dpkg-dev file lintian desktop-file-utils appstream dosfstools)
    # Some machines carry a Node.js build that bundles npm; only ask Debian for what is absent.
    command -v node >/dev/null || packages+=(nodejs)
    command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
