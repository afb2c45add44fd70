#!/bin/bash
# Tray animation cost: runs the ondrix binary on a virtual display with a stand-in panel that fetches every
# new icon, keeps the icon animating (a file that keeps growing holds the stability check), and reports the
# CPU time of ondrix and of the bus daemon over 10 seconds, with the icon changes, the pixmap bytes and the
# D-Bus messages from ondrix the panel saw in that time.
# Usage: bench/run-tray-bench.sh <path to ondrix> [seconds]
set -euo pipefail
ondrix=${1:?path to the ondrix binary}
seconds=${2:-10}
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

display=:$((150 + RANDOM % 50))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
cat > "$work/bus.conf" <<CONF
<busconfig><type>session</type><listen>unix:dir=$work</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --print-address=1 --print-pid=3 --nofork --nopidfile \
    >"$work/address" 3>"$work/buspid" & pids+=($!)
sleep 1
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/address") DISPLAY=$display
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/run
mkdir -p "$work/run" "$work/watched" && chmod 700 "$work/run"
/usr/bin/python3 "$(dirname "$0")/tray_panel.py" >"$work/panel" & panel=$!; pids+=($panel)
sleep 1

# One enabled connection to a port nobody listens on, watching a folder with a file that never stops growing.
cat > "$work/connections.json" <<JSON
[{"id": "6F1C2B9A-5D3E-4C1B-9E2A-7B8C9D0E1F2A", "name": "Bench", "isEnabled": true, "transferProtocol": "FTP",
  "host": "127.0.0.1", "port": 9, "username": "bench", "password": "", "sshKeyPath": "", "ftpMode": "Passive",
  "localFolder": "$work/watched", "remoteFolder": "/", "preserveSubdirectories": true,
  "monitorSubdirectories": true, "deleteLocalAfterUpload": false, "conflictResolution": "Overwrite",
  "simultaneousUploads": 2, "stabilityCheckSeconds": 30, "maxBandwidthKBps": 0, "extensionPreset": "",
  "includedExtensions": "", "excludedExtensions": "", "minFileSizeBytes": 0,
  "downloadUnspecifiedExtensions": true, "scheduleEnabled": false, "scheduleStartHour": 9, "scheduleEndHour": 18,
  "scheduleDays": [1, 2, 3, 4, 5], "postUploadAction": {"type": "none"}, "iptcEnabled": false,
  "iptcKeywords": [], "finderTagsEnabled": false, "selectedIPTCKeywordID": null}]
JSON
"$ondrix" connections import "$work/connections.json" >/dev/null
( while true; do echo data >> "$work/watched/growing.mov"; sleep 0.5; done ) & pids+=($!)
ASAN_OPTIONS=detect_leaks=0 "$ondrix" >"$work/ondrix.log" 2>&1 & app=$!; pids+=($app)
sleep 5

cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
bus_pid=$(cat "$work/buspid")
a0=$(cpu "$app"); b0=$(cpu "$bus_pid")
kill -USR1 "$panel"
sleep "$seconds"
a1=$(cpu "$app"); b1=$(cpu "$bus_pid")
kill -TERM "$panel"; wait "$panel" || true
read -r icons bytes messages < <(tail -1 "$work/panel")
echo "over ${seconds}s (icon animating): ondrix $(( (a1 - a0) * 1000 / hz )) ms CPU," \
     "bus daemon $(( (b1 - b0) * 1000 / hz )) ms CPU;" \
     "panel saw $icons icon changes, $bytes pixmap bytes, $messages messages from ondrix" \
     "($(awk -v m="$messages" -v s="$seconds" 'BEGIN { printf "%.1f", m / s }') a second)"
