#!/usr/bin/env bash
# Builds the Debian package from the build folder $1 and checks that it installs
# the program, launcher, icons, AppStream file, manual page and bash completion in
# their places and depends on the Qt libraries and display plugins it needs.
set -euo pipefail
build="$(realpath "$1")"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" > "$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
package="$(ls "$out"/*.deb)"
depends="$(dpkg-deb -f "$package" Depends)"
files="$(dpkg-deb -c "$package" | awk '{print $6}')"
status=0
expect() { grep -q -- "$2" <<< "$1" || { echo "missing: $2"; status=1; }; }
for dependency in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-dejavu-core tzdata; do
    expect "$depends" "$dependency"
done
expect "$files" "^./usr/bin/qorvel-zodiac$"
expect "$files" "^./usr/share/applications/org.example.QorvelZodiac.desktop$"
expect "$files" "^./usr/share/metainfo/org.example.QorvelZodiac.metainfo.xml$"
for size in 16 32 48 256; do
    expect "$files" "^./usr/share/icons/hicolor/${size}x${size}/apps/org.example.QorvelZodiac.png$"
done
expect "$files" "^./usr/share/man/man1/qorvel-zodiac\.1\(\.gz\)\?$"
expect "$files" "^./usr/share/bash-completion/completions/qorvel-zodiac$"
echo "$(basename "$package"): Depends: $depends"
exit $status
