#!/bin/sh
# Runs a test only where the tools it needs are installed. Without one, it says
# which and exits 77, which CTest counts as skipped, so that a packager's build
# without LibreOffice or a virtual display still passes. ./run.sh sets
# ZODIAC_REQUIRE_TOOLS=1, under which a missing tool fails the test instead.
# usage: needs.sh TOOL... -- COMMAND [ARGUMENT...]
# A TOOL is a program on PATH, or python3:MODULE for a module of /usr/bin/python3;
# NAME=TOOL says it by the name a person installs it under.
missing=""
while [ "$#" -gt 0 ] && [ "$1" != "--" ]; do
    name="${1%%=*}" tool="${1#*=}"
    case "$tool" in
        python3:*) /usr/bin/python3 -c "import ${tool#python3:}" 2>/dev/null ;;
        *) command -v "$tool" >/dev/null 2>&1 ;;
    esac || missing="${missing:+$missing, }$name"
    shift
done
[ "$#" -gt 0 ] && shift || { echo "usage: needs.sh TOOL... -- COMMAND [ARGUMENT...]" >&2; exit 2; }
if [ -n "$missing" ]; then
    if [ "${ZODIAC_REQUIRE_TOOLS:-}" = 1 ]; then
        echo "failed: this test needs $missing, which is missing" >&2
        exit 1
    fi
    echo "skipped: this test needs $missing, which is missing"
    exit 77
fi
exec "$@"
