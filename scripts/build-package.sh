#!/usr/bin/env bash
# Builds the optimised ondrix and packs it as a Debian package: build/package/ondrix_<version>_amd64.deb.
# Install it with: sudo apt install ./build/package/ondrix_*_amd64.deb
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="${1:-$source_dir/build/package}"

"$source_dir/scripts/install-deps.sh"
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DONDRIX_SANITIZE=OFF -DONDRIX_BUILD_TESTS=OFF -DONDRIX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -- -j"$(nproc)"
rm -f "$build_dir"/ondrix_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
ls "$build_dir"/ondrix_*.deb
