#!/usr/bin/env bash
# Builds the benchmarks in Release and runs each of them; arguments go to every benchmark
# (for example --benchmark_filter=FolderOf500Snapshots).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)"
for benchmark in build/bench/bin/*_bench; do
    echo "== $(basename "$benchmark")"
    "$benchmark" "$@"
done
