#!/usr/bin/env bash
# Builds the program and shows what it makes of the bundled sample snapshots: each one's data as
# JSON on the terminal and its false-colour picture with markers, four times enlarged, in build/demo/;
# then the inspection report of a demo project over them, build/demo/demo-report.pdf; where a display
# is available, the program itself opens on that project.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

jobs=$(nproc)
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTHERMREPORT_TESTS=OFF -DTHERMREPORT_BENCHMARKS=OFF >/dev/null
cmake --build build/release -j "$jobs"

program=build/release/bin/thermreport
mkdir -p build/demo
shopt -s nullglob
snapshots=(examples/*.qvx)
if [ ${#snapshots[@]} -eq 0 ]; then
    echo "No snapshots in examples/ (make them with: build/release/bin/thermreport-samplegen examples)" >&2
    exit 1
fi
for snapshot in "${snapshots[@]}"; do
    name=$(basename "$snapshot" .qvx)
    echo "== $snapshot"
    "$program" --info "$snapshot"
    "$program" --png "$snapshot" "build/demo/$name.png" --scale 4
done
echo "The pictures are in $(pwd)/build/demo/ (the matching photos are in examples/)."

# The demo reports: a plant survey and a building survey over the examples, with paths for this
# checkout, printed to PDF.
build/release/bin/thermreport-demoproject examples build/demo/demo.QVR >/dev/null
build/release/bin/thermreport-demoproject --buildings examples build/demo/demo-buildings.QVR >/dev/null
report=$("$program" --pdf build/demo/demo-report.pdf build/demo/demo.QVR)
echo "== demo report: $report ($(pdfinfo "$report" | awk '/^Pages:/ {print $2}') pages)"
report=$("$program" --pdf build/demo/demo-buildings-report.pdf build/demo/demo-buildings.QVR)
echo "== building demo report: $report ($(pdfinfo "$report" | awk '/^Pages:/ {print $2}') pages)"
if [ -n "${DISPLAY:-}" ]; then
    echo "== opening the program on the demo project"
    "$program" build/demo/demo.QVR
fi
