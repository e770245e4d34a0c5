#!/usr/bin/env bash
# Builds the program and its unit suites (engine, core, command line, windows)
# with AddressSanitizer and UndefinedBehaviorSanitizer in a tree of their own,
# then runs them there: any report fails the run, leaks included.
set -euo pipefail
source=$1
build=$2

mkdir -p "$build"
if ! { cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZODIAC_SANITIZE=ON &&
       cmake --build "$build" -j"$(nproc)"; } >"$build/build.log" 2>&1; then
    tail -n 50 "$build/build.log"
    exit 1
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" -L unit --output-on-failure --no-tests=error
