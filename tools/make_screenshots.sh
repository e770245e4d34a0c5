#!/usr/bin/env bash
# Makes the screenshots of docs/screenshots/ from the real program: the main
# window with Ann, 5 March 1975 entered, the result window and the report window,
# each with its frame, under a virtual X display with a window manager, driven by
# keyboard as tests/e2e/run_e2e.sh drives it.
# With --scale N (such as 2), the same at Qt's scale factor N, with December, the
# longest month name, chosen, on a screen large enough for the windows, into
# build/screenshots-scale-N/ (the README shows scale 1 only).
# usage: tools/make_screenshots.sh [--scale N] [PROGRAM]   (default: build/app/qorvel-zodiac)
# needs: xvfb, xauth, openbox, xdotool, x11-utils, imagemagick
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
scale=1
if [ "${1:-}" = "--scale" ]; then
    scale="${2:?--scale needs a number, such as 2}"
    shift 2
fi
month=m out="$root/docs/screenshots"
if [ "$scale" != 1 ]; then
    export QT_SCALE_FACTOR="$scale" ZODIAC_SCREEN=3200x2400x24
    month=d out="$root/build/screenshots-scale-$scale"
fi
source "$root/tests/e2e/x11_session.sh"
in_virtual_display "$0" --scale "$scale" "$@"

program="$(realpath "${1:-$root/build/app/qorvel-zodiac}")"
[ -x "$program" ] || { echo "no program at $program; build it first (./run.sh build)" >&2; exit 1; }
mkdir -p "$out"

start_session
pid=""
cleanup() { kill $pid "$wm" 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT

fail() { echo "make_screenshots: $*" >&2; exit 1; }
# usage: shot ID NAME - the window with its frame, once it has settled: its pixels
# only, in 256 colours (no visible change, and a third of the size).
shot() {
    sleep 1
    import -frame -window "$1" "$scratch/shot.png"
    convert "$scratch/shot.png" -strip -dither None -colors 256 -define png:compression-level=9 "PNG8:$out/$2.png"
    echo "$out/$2.png: $(identify -format '%wx%h' "$out/$2.png"), $(du -k "$out/$2.png" | cut -f1) KiB"
}
# Every window bears the program's name and version.
windows="^Qorvel Japanese Zodiac v$("$program" --version | cut -d' ' -f2)\$"

"$program" &
pid=$!
main="$(window "$windows")" || fail "no main window"
xdotool windowactivate --sync "$main"
sleep 0.5
type_text "Ann"
keys Tab "$month" Tab 5 Tab
type_text "1975"
shot "$main" main-window

keys alt+j
result="$(window "$windows" "$main")" || fail "no result window"
shot "$result" result-window

keys alt+p
report="$(window "$windows" "$result" "$main")" || fail "no report window"
shot "$report" report-window
