#!/usr/bin/env bash
# The include graph of the program's folders: how many quoted includes run from
# each folder into each other one, tests and benchmarks left out.
#   tools/include_graph.sh          prints the arrows, "13 report -> look"
#   tools/include_graph.sh --check  fails on an include against the layers:
#     engine -> core -> platform and look; services over platform; shell and
#     report over services, look and platform, report taking nothing from shell;
#     app over all; cli beside the windows over core and engine.
set -euo pipefail
cd "$(dirname "$0")/.."
folders=(engine core platform look services shell report cli app)

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
        core) [[ $to == engine ]] ;;
        platform | look | cli) [[ $to == core || $to == engine ]] ;;
        services) [[ $to =~ ^(platform|core|engine)$ ]] ;;
        shell | report) [[ $to =~ ^(services|look|platform|core|engine)$ ]] ;;
        app) return 0 ;;
    esac
}

if [[ ${1:-} == --check ]]; then
    status=0
    while read -r from header; do
        allowed "$from" "$header" || { echo "$from/ may not include $header"; status=1; }
    done < <(includes)
    exit $status
fi
includes | awk '{ split($2, to, "/"); print $1 " -> " to[1] }' | sort | uniq -c
