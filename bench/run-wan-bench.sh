#!/usr/bin/env bash
# Benchmarks the headless application over a stand-in for a wide-area link (bench/wan_relay.py) next to lftp
# and rclone, and prints one table with the targets.
#   bench/run-wan-bench.sh [--quick] [--only transfers,rtt,cpu] [--workloads W3,W4,W5] [--links 50ms,150ms]
#     [--protocols FTP,FTPS,SFTP] [--clients ...] [--repeat N]   (python3 bench/wan_bench.py --help)
# Builds the release preset first. Runs as root (the servers use their own configuration in a temp dir).
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
cmake --preset release >/dev/null
cmake --build --preset release --target ondrix >/dev/null
exec python3 bench/wan_bench.py --ondrix build/release/src/app/ondrix "$@"
