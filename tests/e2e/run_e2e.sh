#!/usr/bin/env bash
# Drives the real program from outside, by keyboard as a person would, under a
# virtual X display with a window manager, and keeps a screenshot of every step.
# usage: run_e2e.sh PROGRAM SHOTS_FOLDER
# needs: xvfb, xauth, openbox, xdotool, x11-utils, imagemagick, unrtf, and to read
# a message box's text dbus-daemon, at-spi2-core and python3-dbus.
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
in_virtual_display "$0" "$@"

program="$(realpath "$1")"
shots="$(realpath -m "$2")"
rm -rf "$shots" && mkdir -p "$shots"
start_session
pids=()
cleanup() { kill "${pids[@]}" "$wm" 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT

# The screen xvfb-run was given above; openbox keeps no panel on it.
screen_width=1280 screen_height=1024
# The height of the menu bar of the main and result windows, measured once on this
# machine (Fusion style, DejaVu Sans); their client windows include it.
menu_bar=19
blue=0E2980 white=FFFFFF

step=0
fail() {
    echo "FAILED: $*" >&2
    for id in $(xdotool search --name . 2>/dev/null); do echo "  window $id: $(xdotool getwindowname "$id")" >&2; done
    shot "failure"
    exit 1
}
shot() { step=$((step + 1)); import -window root "$shots/$(printf '%02d' "$step")-$1.png"; }
gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
# Waits for a window, by id, to be no longer on the screen.
unmapped() {
    for _ in $(seq 50); do
        xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
        sleep 0.1
    done
    return 1
}
ended() {
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}
size_of() { xdotool getwindowgeometry --shell "$1" | awk -F= '/WIDTH/ {w = $2} /HEIGHT/ {h = $2} END {print w "x" h}'; }
# usage: expect_size WHAT ID WIDTH HEIGHT, the client window's size as xdotool tells it
expect_size() {
    local measured
    measured="$(size_of "$2")"
    [ "$measured" = "$3x$4" ] || fail "$1 measures $measured, designed $3x$4"
}
# usage: expect_colour WHAT ID COLOUR X,Y... - the window's own picture, as RRGGBB at
# points of its background.
expect_colour() {
    local what="$1" id="$2" colour="$3" picture point found
    shift 3
    picture="$shots/window-${what// /-}.png"
    import -window "$id" "$picture"
    for point in "$@"; do
        found="$(convert "$picture" -format "%[hex:u.p{$point}]" info:)"
        [ "$found" = "$colour" ] || fail "$what has $found at $point, not $colour"
    done
}
# usage: expect_centred WHAT ID - the frame, title bar and borders included, has its
# centre within 2 pixels of the screen's; given a moment, as the program sets a
# window right once it is framed.
expect_centred() {
    local x y w h left right top bottom dx="" dy=""
    for _ in $(seq 20); do
        read -r x y w h < <(xwininfo -id "$2" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                                                    /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}')
        read -r left right top bottom < <(xprop -id "$2" _NET_FRAME_EXTENTS | awk -F'= ' '{gsub(",", ""); print $2}')
        [ -n "$bottom" ] || { sleep 0.1; continue; }
        x=$((x - left)) y=$((y - top)) w=$((w + left + right)) h=$((h + top + bottom))
        # Twice the distances, to stay in whole pixels.
        dx=$((2 * x + w - screen_width)) dy=$((2 * y + h - screen_height))
        [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ] && return 0
        sleep 0.1
    done
    [ -n "$dx" ] || fail "$1 has no frame"
    fail "$1's frame is ${w}x$h at $x,$y: its centre is off the screen's by $((dx / 2)),$((dy / 2)) pixels"
}
message_box='^Qorvel Japanese Zodiac$'
windows='^Qorvel Japanese Zodiac v1.15$'

# Qt under X11 puts no message box text on the clipboard (Ctrl+C copies it on
# Windows only), so the text is read from the accessibility tree over AT-SPI:
# a private session bus starts the accessibility bus, and Python walks the tree.
find_dbus_python || fail "no Python 3 with its dbus module, to read what a window says"

echo "start"
"$program" & pids+=($!)
main="$(window "$windows")" || fail "no main window"
xdotool windowactivate --sync "$main"
expect_size "the main window" "$main" 353 $((306 + menu_bar))
expect_colour "main window" "$main" "$blue" "2,$((menu_bar + 2))" "350,$((menu_bar + 303))"
expect_centred "the main window" "$main"
shot main-window

echo "About Software"
keys alt+h a
about="$(window "$windows" "$main")" || fail "no About box"
expect_size "the About box" "$about" 454 251
expect_centred "the About box" "$about"
shot about-box
keys Return
unmapped "$about" || fail "the About box stayed"

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
result="$(window "$windows" "$main")" || fail "no result window"
unmapped "$main" || fail "the main window stayed"
expect_size "the result window" "$result" 666 $((531 + menu_bar))
expect_colour "result window" "$result" "$blue" "2,$((menu_bar + 2))" "663,$((menu_bar + 528))"
expect_centred "the result window" "$result"
shot result-window

echo "Back and a second run"
keys alt+b
sleep 0.5
shot back-to-main
keys alt+j
sleep 0.5
result="$(window "$windows" "$main")" || fail "no result window the second time"
shot second-result

echo "Print and Save"
keys alt+p
report="$(window "$windows" "$result")" || fail "no report window"
expect_size "the report window" "$report" 515 505
expect_centred "the report window" "$report"
shot report-window
keys alt+s
sleep 1
shot save-dialog
type_text "$scratch/ann-report"
keys Return
saved="$scratch/ann-report.txt"
for _ in $(seq 30); do [ -f "$saved" ] && break; sleep 0.1; done
[ -f "$saved" ] || fail "no $saved; saved instead: $(find "$scratch" -maxdepth 1 -name 'ann-report*' -printf '%f ')"
unrtf --text "$saved" > "$shots/saved-report.txt" 2>/dev/null || true
grep -q "Name: Ann" "$shots/saved-report.txt" || fail "the saved report lacks the name"
grep -q "Japanese Sign: Usagi" "$shots/saved-report.txt" || fail "the saved report lacks the Japanese sign"
grep -q "English Name : Rabbit" "$shots/saved-report.txt" || fail "the saved report lacks the sign"
shot report-saved
keys Escape
unmapped "$report" || fail "the report window stayed"

echo "Exit to the exit screen, then end"
keys alt+x
# Every window bears the same caption: the exit screen is known by its size and
# its white background.
exit_screen="$(window "$windows" "$result")" || fail "no exit screen"
expect_size "the exit screen" "$exit_screen" 741 315
expect_colour "exit screen" "$exit_screen" "$white" 3,3 300,200 739,3 739,313
expect_centred "the exit screen" "$exit_screen"
shot exit-screen
keys alt+x
ended "${pids[0]}" || fail "the program did not end"
shot ended

echo "a second copy is refused"
"$program" & first_copy=$!
pids+=("$first_copy")
first="$(window "$windows")" || fail "no first copy"
start_session_bus
pids+=("$session_bus_pid")
# The accessibility bus is started first: the program looks for it as it starts.
bus_error="$(atspi start 2>&1 >/dev/null)" || fail "no accessibility bus: $(tail -n 1 <<<"$bus_error")"
DBUS_SESSION_BUS_ADDRESS="$session_bus" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" & second=$!
pids+=("$second")
window "$message_box" >/dev/null || fail "no message for the second copy"
shot second-copy-refused
said=""
for _ in $(seq 30); do
    # Every name and description the running programs' windows show, one a line.
    said="$(atspi texts 2>/dev/null || true)"
    grep -qF "Application is already running" <<<"$said" && break
    sleep 0.1
done
grep -qF "Application is already running" <<<"$said" ||
    fail "the second copy's message says: $(tr '\n' '|' <<<"$said")"
keys Return
ended "$second" || fail "the second copy did not end"
kill -0 "$first_copy" 2>/dev/null || fail "the first copy ended too"

echo "the first copy ends by its exit screen"
xdotool windowactivate --sync "$first"
# The main window has no Exit button: File, Exit.
keys alt+f x
exit_screen="$(window "$windows" "$first")" || fail "no exit screen for the first copy"
expect_size "the first copy's exit screen" "$exit_screen" 741 315
keys alt+x
ended "$first_copy" || fail "the first copy did not end"
# Only this run's: another run may use the same program at the same time.
left=""
for pid in $(pgrep -fx -- "$program" || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "XDG_RUNTIME_DIR=$scratch/runtime" && left+=" $pid"
done
[ -z "$left" ] || fail "processes of the program left behind:$left"
shot all-ended

echo "e2e: all steps passed; screenshots in $shots"
