#!/usr/bin/env bash
# Installs what is missing, builds the optimised binary and runs Ondrix (headless when there is no display).
# Arguments are passed on to ondrix, e.g. `./scripts/run.sh --headless`.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target ondrix -- -j"$(nproc)"
exec ./build/release/src/app/ondrix "$@"
