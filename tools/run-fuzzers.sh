#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given number of seconds on its seed corpus.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

for fuzzer in "$build"/bin/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    seeds="$build/seeds/$name"
    echo "== $name: ${seconds}s"
    if [ -d "$seeds" ]; then
        "$fuzzer" -max_total_time="$seconds" -max_len=60000 -print_final_stats=0 "$corpus" "$seeds" 2>"$build/$name.log" \
            || { tail -n 60 "$build/$name.log"; exit 1; }
    else
        "$fuzzer" -max_total_time="$seconds" -max_len=60000 "$corpus" 2>"$build/$name.log" \
            || { tail -n 60 "$build/$name.log"; exit 1; }
    fi
    grep -E "^#[0-9]+.*DONE" "$build/$name.log" || tail -n 2 "$build/$name.log"
done
