#!/usr/bin/env bash
# Builds the Debian package from the build folder $1 and checks that it installs
# the program, launcher, icons, AppStream file, manual page, bash completion and
# copyright file in their places, that the copyright file names the licence of the
# code and of every picture with its authors, and that the package depends on the
# Qt libraries and display plugins it needs.
set -euo pipefail
build="$(realpath "$1")"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" > "$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
package="$(ls "$out"/*.deb)"
depends="$(dpkg-deb -f "$package" Depends)"
recommends="$(dpkg-deb -f "$package" Recommends)"
files="$(dpkg-deb -c "$package" | awk '{print $6}')"
status=0
expect() { grep -q -- "$2" <<< "$1" || { echo "missing: $2"; status=1; }; }
for dependency in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-dejavu-core tzdata; do
    expect "$depends" "$dependency"
done
expect "$recommends" "qt6-wayland"
expect "$files" "^./usr/bin/qorvel-zodiac$"
expect "$files" "^./usr/share/applications/org.example.QorvelZodiac.desktop$"
expect "$files" "^./usr/share/metainfo/org.example.QorvelZodiac.metainfo.xml$"
for size in 16 32 48 256; do
    expect "$files" "^./usr/share/icons/hicolor/${size}x${size}/apps/org.example.QorvelZodiac.png$"
done
expect "$files" "^./usr/share/man/man1/qorvel-zodiac\.1\(\.gz\)\?$"
expect "$files" "^./usr/share/bash-completion/completions/qorvel-zodiac$"
expect "$files" "^./usr/share/doc/qorvel-zodiac/copyright$"
dpkg-deb -x "$package" "$out/root"
copyright="$(cat "$out/root/usr/share/doc/qorvel-zodiac/copyright" 2>/dev/null || true)"
for line in "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$" \
    "^License: LicenseRef-proprietary$" "^License: CC-BY-3.0$" "creativecommons.org/licenses/by/3.0" \
    "^Copyright: Delapouite" "^Copyright: Lorc" "^Copyright: Caro Asercion" "^License: Apache-2.0$" \
    "^License: MIT$" "^License: OFL-1.1$"; do
    expect "$copyright" "$line"
done
# Every picture the program draws falls under a paragraph of its own, not the code's.
pictures="$(cd "$(dirname "$0")/../../resources" && ls animals/*.png symbols/*.png app_icon*.png icons/*.png link_cursor.png)"
patterns="$(awk '/^Files:/ && $2 != "*" { on = 1 } /^[A-Z][a-z]*:/ && !/^Files:/ { on = 0 }
    on { sub(/^Files:/, ""); print }' <<< "$copyright" | tr ' ' '\n' | sed -n 's#^resources/##p')"
for picture in $pictures; do
    covered=0
    for pattern in $patterns; do
        # shellcheck disable=SC2053
        [[ $picture == $pattern ]] && covered=1
    done
    ((covered)) || { echo "the copyright file gives no source for resources/$picture"; status=1; }
done
echo "$(basename "$package"): Depends: $depends"
exit $status
