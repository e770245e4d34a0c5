#!/usr/bin/env bash
# Installs whatever Debian packages are missing, builds, then runs every test
# (./run.sh test) or starts the program (./run.sh start).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev fonts-dejavu-core
          libreoffice-writer-nogui poppler-utils unrtf)  # the last three read saved and printed reports back in tests

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"

case "${1:-test}" in
    test) ctest --test-dir build --output-on-failure ;;
    start) exec build/shell/qorvel-zodiac ;;
    build) ;;
    *) echo "usage: $0 [test|start|build]" >&2; exit 2 ;;
esac
