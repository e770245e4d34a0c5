#!/usr/bin/env bash
# Listens to the real program as a screen reader does: drives it by keyboard under
# a virtual display for Ann, born 5 March 1975, and at the main window, the result
# window and the exit screen has screen_reader_test.py check what is heard.
# usage: screen_reader_test.sh PROGRAM
# needs: xvfb, xauth, openbox, xdotool, dbus-daemon, at-spi2-core and python3-dbus.
set -euo pipefail
here="$(dirname "$(realpath "$0")")"
source "$here/x11_session.sh"
in_virtual_display "$0" "$@"

program="$(realpath "$1")"
start_session
pids=()
cleanup() { kill "${pids[@]}" "$wm" 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }
# Nothing to listen with: skipped, as needs.sh skips a test whose tool is missing.
unable() {
    [ "${ZODIAC_REQUIRE_TOOLS:-}" = 1 ] && fail "$*"
    echo "skipped: $*"
    exit 77
}

find_dbus_python || unable "no Python 3 with its dbus module"
start_session_bus
pids+=("$session_bus_pid")
# The accessibility bus is started first: the program looks for it as it starts.
bus_error="$(atspi start 2>&1 >/dev/null)" || unable "no accessibility bus (at-spi2-core): $(tail -n 1 <<<"$bus_error")"
DBUS_SESSION_BUS_ADDRESS="$session_bus" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" & pids+=($!)

heard_wrong=0
listen() { DBUS_SESSION_BUS_ADDRESS="$session_bus" "$python" "$here/screen_reader_test.py" "$1" || heard_wrong=1; }
windows='^Qorvel Japanese Zodiac v1.15$'

main="$(window "$windows")" || fail "no main window"
xdotool windowactivate --sync "$main"
type_text "Ann"
keys Tab Home m Tab 5 Tab
type_text "1975"
listen main

keys alt+j
result="$(window "$windows" "$main")" || fail "no result window"
listen result

keys alt+x
window "$windows" "$result" >/dev/null || fail "no exit screen"
listen exit
keys alt+x
exit "$heard_wrong"
