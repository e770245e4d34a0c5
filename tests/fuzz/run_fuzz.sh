#!/usr/bin/env bash
# Builds the fuzz targets with clang into $1 and runs each for a bounded time
# (FUZZ_SECONDS, 30 by default). A crash or a broken round trip fails the run.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="${1:?build folder}"
seconds="${FUZZ_SECONDS:-30}"
cmake -S "$here" -B "$out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$out.log"
cmake --build "$out" -j"$(nproc)" >> "$out.log"
for target in rtf_writer_fuzz address_fuzz; do
    corpus="$out/corpus-$target"
    mkdir -p "$corpus"
    echo "== $target for ${seconds}s"
    "$out/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$out/$target-" "$corpus" "$here/seeds/$target" 2>&1 | tail -n 12
done
