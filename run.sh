#!/usr/bin/env bash
# Installs whatever Debian packages are missing, builds, then runs every test
# (./run.sh test) or starts the program (./run.sh start).
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev   # build, engine tests, benchmarks
    qt6-base-dev qt6-wayland fonts-dejavu-core tzdata                      # the windows, on X11 and Wayland; the time zones
    libicu-dev                                                             # the Japanese calendar's eras
    libreoffice-writer-nogui poppler-utils unrtf                           # read saved and printed reports back
    clang libclang-rt-14-dev                                               # fuzzing
    xvfb xauth xdotool imagemagick openbox x11-utils                       # end-to-end runs and their screenshots
    dbus-daemon at-spi2-core python3-dbus                                  # reading the windows over AT-SPI, as a screen reader
    weston                                                                 # the windows on a headless Wayland compositor
    python3-lunardate python3-ephem                                        # an independent lunar calendar and sun for the tests
    nodejs npm                                                             # a second calendar, npm's lunar-javascript, for the tests
    desktop-file-utils appstream dpkg-dev file                             # checking the installation and package
    groff-base jq                                                          # checking the manual page; the documents' examples
)

# Installed, or provided by an installed package: NodeSource's nodejs provides npm and
# conflicts with Debian's, which apt would then fail to install.
installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed' ||
        dpkg-query -W -f='${Status}\t${Provides}\n' 2>/dev/null |
        awk -F'\t' -v package="$1" '$1 ~ /ok installed/ { n = split($2, provided, /, */)
            for (i = 1; i <= n; i++) { split(provided[i], name, " "); if (name[1] == package) found = 1 } }
            END { exit !found }'
}

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DZODIAC_BENCHMARKS=ON
cmake --build build -j"$(nproc)"

case "${1:-test}" in
    test)
        # The second calendar almanac_test compares with, kept out of the source tree.
        [ -d build/npm/node_modules/lunar-javascript ] ||
            npm install --no-save --no-audit --no-fund --prefix build/npm lunar-javascript@1.7.7 >/dev/null
        # Here every test runs: a tool missing fails its test rather than skipping it.
        ZODIAC_REQUIRE_TOOLS=1 ctest --test-dir build --output-on-failure --no-tests=error
        ;;
    start) exec build/app/qorvel-zodiac ;;
    build) ;;
    *) echo "usage: $0 [test|start|build]" >&2; exit 2 ;;
esac
