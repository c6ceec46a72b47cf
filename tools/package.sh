#!/usr/bin/env bash
# Builds thermreport in Release and writes its Debian package,
# build/package/thermreport_<version>_<arch>.deb. Install it with
#     sudo apt install ./build/package/thermreport_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

jobs=$(nproc)
# Below /usr the library folder is Debian's multiarch one, lib/<triplet>/thermreport/: a private
# library there needs no ldconfig, so the package has no maintainer scripts and its removal leaves
# nothing behind.
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTHERMREPORT_TESTS=OFF -DTHERMREPORT_BENCHMARKS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build/release -j "$jobs" --target thermreport qvx_japanese thermreport_manual
rm -f build/package/thermreport_*.deb
cpack --config build/release/CPackConfig.cmake -B build/package
package=$(ls build/package/thermreport_*.deb)
echo "== $package ($(du -k "$package" | cut -f1) KiB)"
dpkg-deb --info "$package" | sed -n 's/^ \(Depends\|Recommends\): /\1: /p'
