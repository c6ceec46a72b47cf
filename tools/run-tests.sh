#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything with AddressSanitizer and
# UBSan (warnings are errors), runs every test, then builds the fuzz targets with clang and runs
# each for a while on a generated seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/check-format.sh

jobs=$(nproc)
fuzz_seconds=${THERMREPORT_FUZZ_SECONDS:-60}

cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

cmake --preset fuzz >/dev/null
# Only the fuzz targets (and the libraries they read with) are built with the fuzzing instrumentation.
fuzz_targets=$(cmake --build build/fuzz --target help | sed -n 's/^\.\.\. \(fuzz_[A-Za-z0-9_]*\)$/\1/p')
cmake --build build/fuzz -j "$jobs" --target $fuzz_targets
# The generated sample snapshots seed the snapshot fuzzer, when there are any.
mkdir -p build/fuzz/seeds/fuzz_snapshot
for sample in examples/*.qvx; do
    if [ -f "$sample" ]; then
        cp "$sample" build/fuzz/seeds/fuzz_snapshot/
    fi
done
# Committed seed files: fuzz/seeds/<name>/ seeds the target fuzz_<name>.
for seeds in fuzz/seeds/*/; do
    [ -d "$seeds" ] || continue
    target="build/fuzz/seeds/fuzz_$(basename "$seeds")"
    mkdir -p "$target"
    cp "$seeds"* "$target"/
done
bash tools/run-fuzzers.sh build/fuzz "$fuzz_seconds"
