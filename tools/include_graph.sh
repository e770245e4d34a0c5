#!/usr/bin/env bash
# The include graph of the program's folders: how many quoted includes run from
# each folder into each other one, tests and benchmarks left out.
#   tools/include_graph.sh          prints the arrows, "13 report -> look"
#   tools/include_graph.sh --check  fails on an include against the layers:
#     engine -> core -> platform and look; os (the system's calls) beside
#     platform, over nothing of ours; services over platform; shell and report
#     over services, look and platform, report taking nothing from shell; app
#     over all; cli beside the windows over os, core and engine. Besides, the
#     engine includes nothing but the standard library, and no folder but os
#     includes POSIX's headers (unistd.h, fcntl.h, sys/..., signals and the rest).
set -euo pipefail
cd "$(dirname "$0")/.."
folders=(engine core os platform look services shell report cli app)

# Every include of another folder, as "from to/header".
includes() {
    grep -rHoE '^#include "[a-z_]+/[a-z_]+\.h"' "${folders[@]}" |
        sed -E 's#^([a-z_]+)/[^:]*:\#include "([a-z_]+/[a-z_]+\.h)"#\1 \2#' |
        awk '{ split($2, to, "/"); if ($1 != to[1]) print }'
}

allowed() {
    local from="$1" header="$2" to="${2%%/*}"
    case "$from" in
        engine) return 1 ;;
        core | os) [[ $from == core && $to == engine ]] ;;
        look) [[ $to =~ ^(core|engine)$ ]] ;;
        platform | cli) [[ $to =~ ^(os|core|engine)$ ]] ;;
        services) [[ $to =~ ^(platform|core|engine)$ ]] ;;
        shell) [[ $to =~ ^(services|look|platform|core|engine)$ ]] ;;
        report) [[ $to =~ ^(services|look|platform|os|core|engine)$ ]] ;;
        app) return 0 ;;
    esac
}

# Every include of a system header, as "folder/file:<header>".
system_includes() { grep -rHoE '^#include <[^>]+>' "${folders[@]}" | sed -E 's#:\#include #:#'; }
posix='<(unistd|fcntl|poll|pwd|grp|signal|termios|dirent|spawn|sched)\.h>|<sys/|<linux/|<csignal>'

if [[ ${1:-} == --check ]]; then
    status=0
    while read -r from header; do
        allowed "$from" "$header" || { echo "$from/ may not include $header"; status=1; }
    done < <(includes)
    while IFS=: read -r file header; do
        if [[ $file == engine/* && ! $header =~ ^\<[a-z_]+\>$ ]]; then
            echo "$file: the engine takes nothing but the standard library, not $header"
            status=1
        fi
        if [[ $file != os/* && $header =~ $posix ]]; then
            echo "$file: only os/ includes the system's $header"
            status=1
        fi
    done < <(system_includes)
    exit $status
fi
includes | awk '{ split($2, to, "/"); print $1 " -> " to[1] }' | sort | uniq -c
