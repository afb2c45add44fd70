#!/usr/bin/env bash
# Installs what is missing, builds the sanitizer (debug) configuration and runs the whole suite through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset debug >/dev/null
cmake --build --preset debug -- -j"$(nproc)"
# D-Bus services, servers and temporary folders are started and removed by the tests themselves.
ctest --preset debug "$@"
