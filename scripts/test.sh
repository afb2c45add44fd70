#!/usr/bin/env bash
# Installs what is missing, builds the sanitizer (debug) configuration and runs the whole suite through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
# Compiler cache shared by every clone of the repository: paths are taken relative to the clone's parent.
export CCACHE_BASEDIR="$(cd .. && pwd)" CCACHE_NOHASHDIR=1
cmake --preset debug >/dev/null
cmake --build --preset debug -- -j"$(nproc)"
# D-Bus services, servers and temporary folders are started and removed by the tests themselves.
ctest --preset debug "$@"
