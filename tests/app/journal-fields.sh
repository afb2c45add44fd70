#!/usr/bin/env bash
# A headless Ondrix whose standard error is a stream to systemd-journald sends its lines as journal entries
# with fields of their own: `journalctl ONDRIX_CONNECTION=…` and `ONDRIX_FILE=…` find them, with the level
# as PRIORITY, and no line reaches the journal twice. The journald is a private one, in a mount namespace
# whose /run and /var/log/journal are empty memory file systems, so the machine's journal is untouched.
set -euo pipefail
ondrix="$1"
if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2>/dev/null || [ ! -x /lib/systemd/systemd-journald ]; then
    echo "SKIPPED: a private journald needs root, unshare and systemd-journald (Debian package systemd)"
    exit 77
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_STATE_HOME="$scratch/state" XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime"
export DBUS_SESSION_BUS_ADDRESS=disabled: DBUS_SYSTEM_BUS_ADDRESS=disabled:
mkdir -p "$HOME" "$scratch/outbox" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# A server that refuses every connection: port 1 of loopback, where nothing listens.
cat > "$scratch/c.json" <<EOF
[{"id": "0E1D4F5C-8A4B-4C7E-9D1A-2B3C4D5E6F70", "name": "Studio", "isEnabled": true,
  "transferProtocol": "FTP", "host": "127.0.0.1", "port": 1, "username": "me", "password": "",
  "sshKeyPath": "", "ftpMode": "Passive", "localFolder": "$scratch/outbox", "remoteFolder": "/in",
  "preserveSubdirectories": false, "monitorSubdirectories": false, "deleteLocalAfterUpload": false,
  "conflictResolution": "Overwrite", "simultaneousUploads": 1, "stabilityCheckSeconds": 1,
  "maxBandwidthKBps": 0, "extensionPreset": "", "includedExtensions": "", "excludedExtensions": "",
  "minFileSizeBytes": 0, "downloadUnspecifiedExtensions": true, "scheduleEnabled": false,
  "scheduleStartHour": 9, "scheduleEndHour": 18, "scheduleDays": [1,2,3,4,5],
  "postUploadAction": {"type": "none"}, "iptcEnabled": false, "iptcKeywords": [],
  "finderTagsEnabled": false}]
EOF
"$ondrix" connections import "$scratch/c.json" >/dev/null
# The low-disk pause follows the machine's free space, which is not this test's subject.
python3 -c 'import sqlite3, sys; db = sqlite3.connect(sys.argv[1]); db.execute("INSERT OR REPLACE INTO preferences VALUES (?, ?, ?)", ("disk_space_warning", "bool", 0)); db.commit()' "$XDG_CONFIG_HOME/Ondrix/preferences.sqlite"
echo "payload" > "$scratch/outbox/photo.jpg"

exec unshare -m --propagation private bash -s "$ondrix" "$scratch/outbox/photo.jpg" <<'INNER'
set -euo pipefail
ondrix="$1"
file="$2"
mount -t tmpfs tmpfs /run
mkdir -p /run/systemd/journal /run/log
mount -t tmpfs tmpfs /var/log/journal
/lib/systemd/systemd-journald &
journald=$!
for _ in $(seq 100); do [ -S /run/systemd/journal/stdout ] && break; sleep 0.05; done
# Standard error becomes a stream to the journal, and JOURNAL_STREAM names it, as systemd does for a service.
/usr/bin/python3 - "$ondrix" <<'PY' &
import os, socket, sys
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
s.connect("/run/systemd/journal/stdout")
s.sendall(b"ondrix\n\n6\n0\n0\n0\n0\n")
os.dup2(s.fileno(), 2)
st = os.fstat(2)
os.environ["JOURNAL_STREAM"] = "%d:%d" % (st.st_dev, st.st_ino)
os.execv(sys.argv[1], [sys.argv[1], "--headless"])
PY
app=$!
found=""
for _ in $(seq 300); do
    if journalctl --no-pager -o cat ONDRIX_CONNECTION=Studio | grep -q "✗ photo.jpg"; then found=yes; break; fi
    sleep 0.1
done
kill -TERM "$app"
wait "$app" || true
status=0
if [ -z "$found" ]; then
    echo "no failure line for Studio in the journal:"; journalctl --no-pager -o verbose; status=1
fi
lines="$(journalctl --no-pager -o cat ONDRIX_CONNECTION=Studio)"
echo "$lines"
grep -q "^\[Studio\] Watching " <<<"$lines" || { echo "no Watching line"; status=1; }
error="$(journalctl --no-pager -o export ONDRIX_FILE="$file" PRIORITY=3)"
grep -q "^MESSAGE=\[Studio\] ✗ photo.jpg: " <<<"$error" || { echo "no error line for the file"; status=1; }
grep -q "^SYSLOG_IDENTIFIER=ondrix$" <<<"$error" || { echo "no identifier"; status=1; }
watching="$(journalctl --no-pager -o cat | grep -c "Watching " || true)"
[ "$watching" = 1 ] || { echo "the Watching line reached the journal $watching times"; status=1; }
kill "$journald"
exit $status
INNER
