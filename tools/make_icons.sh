#!/usr/bin/env bash
# Scales the application icon (resources/app_icon.png, made by make_pictures.sh)
# to the sizes the desktop's hicolor icon theme looks for.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if ! dpkg-query -W -f='${Status}' imagemagick 2>/dev/null | grep -q 'ok installed'; then
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get install -y -qq imagemagick
fi
mkdir -p "$root/resources/icons"
for size in 16 24 32 48 64 128 256; do
    /usr/bin/convert "$root/resources/app_icon.png" -resize "${size}x${size}" -strip \
        "$root/resources/icons/${size}.png"
done
