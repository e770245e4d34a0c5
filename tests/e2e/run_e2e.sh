#!/usr/bin/env bash
# Drives the real program from outside, by keyboard as a person would, under a
# virtual X display with a window manager, and keeps a screenshot of every step.
# usage: run_e2e.sh PROGRAM SHOTS_FOLDER
set -euo pipefail
if [ -z "${DISPLAY:-}" ] || [ -z "${E2E_INSIDE:-}" ]; then
    export E2E_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

program="$(realpath "$1")"
shots="$(realpath -m "$2")"
rm -rf "$shots" && mkdir -p "$shots"
scratch="$(mktemp -d)"
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config" HOME="$scratch"
openbox >/dev/null 2>&1 &
wm=$!
# A window mapped while the window manager is still starting may stay unmapped.
for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && break; sleep 0.1; done
pids=()
cleanup() { kill "${pids[@]}" "$wm" 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT

step=0
fail() {
    echo "FAILED: $*" >&2
    for id in $(xdotool search --name . 2>/dev/null); do echo "  window $id: $(xdotool getwindowname "$id")" >&2; done
    shot "failure"
    exit 1
}
shot() { step=$((step + 1)); import -window root "$shots/$(printf '%02d' "$step")-$1.png"; }
# The id of a visible window whose title matches, waiting for it to appear.
window() {
    local pattern="$1" id=""
    for _ in $(seq 200); do
        id="$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | tail -n 1 || true)"
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
size_of() { xdotool getwindowgeometry --shell "$1" | awk -F= '/WIDTH|HEIGHT/ {printf "%s ", $2}'; }
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.2; }
message_box='^Qorvel Japanese Zodiac$'
windows='^Qorvel Japanese Zodiac v1.15$'

echo "start"
"$program" & pids+=($!)
main="$(window "$windows")" || fail "no main window"
[ "$(size_of "$main")" = "353 306 " ] || echo "note: main window outer size $(size_of "$main")"
xdotool windowactivate --sync "$main"
shot main-window

echo "an empty name"
keys alt+j
window "$message_box" >/dev/null || fail "no message for the empty name"
shot empty-name-message
keys Return
gone "$message_box" || fail "the message stayed"

echo "31 April"
type_text "Ann"
keys Tab a Tab 3 1
keys alt+j
window "$message_box" >/dev/null || fail "no message for 31 April"
shot 31-april-message
keys Return

echo "Ann, 5 March 1975"
keys shift+Tab Home m Tab 5 Tab
type_text "1975"
shot ann-entered
keys alt+j
sleep 0.5
result="$(window "$windows")" || fail "no result window"
[ "$result" != "$main" ] || fail "the result window did not open"
shot result-window

echo "Back and a second run"
keys alt+b
sleep 0.5
shot back-to-main
keys alt+j
sleep 0.5
result="$(window "$windows")" || fail "no result window the second time"
shot second-result

echo "Print and Save"
keys alt+p
sleep 0.8
shot report-window
keys alt+s
sleep 1
shot save-dialog
type_text "$scratch/ann-report"
keys Return
sleep 0.8
saved="$scratch/ann-report.txt"
[ -f "$saved" ] || saved="$(ls "$scratch"/ann-report* 2>/dev/null | head -n 1)"
[ -n "$saved" ] && [ -f "$saved" ] || fail "no saved report"
unrtf --text "$saved" > "$shots/saved-report.txt" 2>/dev/null || true
grep -q "Name: Ann" "$shots/saved-report.txt" || fail "the saved report lacks the name"
grep -q "English Name : Rabbit" "$shots/saved-report.txt" || fail "the saved report lacks the sign"
shot report-saved
keys Escape
sleep 0.5

echo "Exit to the exit screen, then end"
keys alt+x
sleep 0.8
shot exit-screen
window "$windows" >/dev/null || fail "no exit screen"
keys alt+x
for _ in $(seq 50); do kill -0 "${pids[0]}" 2>/dev/null || break; sleep 0.1; done
kill -0 "${pids[0]}" 2>/dev/null && fail "the program did not end"
shot ended

echo "a second copy is refused"
"$program" & pids+=($!)
window "$windows" >/dev/null || fail "no first copy"
"$program" & second=$!
pids+=("$second")
window "$message_box" >/dev/null || fail "no message for the second copy"
shot second-copy-refused
keys Return
for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second copy did not end"
kill -0 "${pids[-2]}" 2>/dev/null || fail "the first copy ended too"

echo "e2e: all steps passed; screenshots in $shots"
