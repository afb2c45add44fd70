#!/usr/bin/env bash
# Benchmarks the whole application (throughput, latency, bandwidth cap, resume, idle cost, memory, the tray icon's
# D-Bus traffic, archiving to another file system) against loopback vsftpd and sshd, next to lftp on the same
# servers, and prints one table.
#   bench/run-engine-bench.sh [--quick] [--only throughput,latency,bandwidth,resume,idle,memory,tray,archive]
#     [--repeat N] [--workloads W1,W2] [--protocols FTP,FTPS,SFTP] [--parallel 2,5] [--ca-bundle test|system]
#     [--wire] [--profile DIR]      (python3 bench/engine_bench.py --help says what each does)
# Builds the release preset first. Runs as root (the servers use their own configuration in a temp dir).
set -euo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
cmake --preset release >/dev/null
cmake --build --preset release --target ondrix >/dev/null
exec python3 bench/engine_bench.py --ondrix build/release/src/app/ondrix "$@"
