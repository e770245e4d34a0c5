#!/bin/sh
# Runs a window test on a headless Weston of its own, through Qt's real Wayland
# plugin, with Weston's screenshooter allowed so the test can see what is on screen.
# usage: wayland_session.sh TEST [ARGUMENT...]
set -eu
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
if ! ls "$plugins"/platforms/libqwayland*.so >/dev/null 2>&1; then
    if [ "${ZODIAC_REQUIRE_TOOLS:-}" = 1 ]; then
        echo "failed: this test needs qt6-wayland, which is missing" >&2
        exit 1
    fi
    echo "skipped: this test needs qt6-wayland, which is missing"
    exit 77
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=""
trap '[ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
# No fading in and out, so that a screenshot shows each window as it stands.
printf '[shell]\nanimation=none\nclose-animation=none\nstartup-animation=none\nfocus-animation=none\n' >"$runtime/weston.ini"
XDG_RUNTIME_DIR=$runtime weston --config="$runtime/weston.ini" --backend=headless-backend.so --use-pixman --debug --idle-time=0 \
    --socket=zodiac-test --width=1024 --height=768 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
i=0
until [ -S "$runtime/zodiac-test" ]; do
    i=$((i + 1))
    [ "$i" -lt 100 ] || { cat "$runtime/weston.log" >&2; echo "Weston did not start" >&2; exit 1; }
    sleep 0.1
done
cd "$runtime"
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=zodiac-test QT_QPA_PLATFORM=wayland "$@"
