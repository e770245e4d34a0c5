# Sourced by the end-to-end run and by tools/make_screenshots.sh: a private
# session under a virtual X display with openbox, and the helpers that drive the
# program by keyboard as a person would.

# usage: in_virtual_display "$0" "$@" - runs the calling script again under
# xvfb-run, on a 1280x1024 screen (or ZODIAC_SCREEN, such as 2560x2048x24),
# unless it already runs there.
in_virtual_display() {
    if [ -z "${DISPLAY:-}" ] || [ -z "${ZODIAC_IN_XVFB:-}" ]; then
        export ZODIAC_IN_XVFB=1
        exec xvfb-run -a -s "-screen 0 ${ZODIAC_SCREEN:-1280x1024x24}" "$@"
    fi
}

# A settings folder and runtime folder of the session's own (a first start, so
# no update reminder, and no running copy to refuse the program), and openbox.
# Sets $scratch and $wm.
start_session() {
    scratch="$(mktemp -d)"
    mkdir -m 700 "$scratch/runtime"
    export XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config" HOME="$scratch"
    openbox >/dev/null 2>&1 &
    wm=$!
    # A window mapped while the window manager is still starting may stay unmapped.
    for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && break; sleep 0.1; done
}

# The id of a visible window whose title matches and which is none of the ids
# given after the title, waiting for it to appear.
window() {
    local pattern="$1" id
    shift
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | tac); do
            [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.2; }

# What a screen reader hears is read over AT-SPI by atspi.py: a private session
# bus starts the accessibility bus (at-spi2-core), and a program started on that
# bus with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 shows it its windows.
# usage: find_dbus_python - sets $python to a Python 3 with its dbus module, or returns 1.
find_dbus_python() {
    python=""
    for candidate in python3 /usr/bin/python3; do
        "$candidate" -c 'import dbus' 2>/dev/null && { python="$candidate"; return 0; }
    done
    return 1
}

# usage: start_session_bus - sets $session_bus, the address of a session bus of
# the session's own, and $session_bus_pid.
start_session_bus() {
    session_bus="unix:path=$scratch/session-bus"
    dbus-daemon --session --nofork --address="$session_bus" >/dev/null 2>&1 &
    session_bus_pid=$!
    for _ in $(seq 50); do [ -S "$scratch/session-bus" ] && break; sleep 0.1; done
}

# usage: atspi start|texts - atspi.py on the session bus (see there).
atspi() { DBUS_SESSION_BUS_ADDRESS="$session_bus" "$python" "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"; }
