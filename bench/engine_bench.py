#!/usr/bin/env python3
"""Benchmarks the whole headless application against vsftpd (FTP, explicit FTPS) and OpenSSH's sshd (SFTP) on
loopback, next to lftp on the same servers, and prints one table.

Run through bench/run-engine-bench.sh, which builds the release binary first. Needs root (the servers run
with their own configuration in a temporary folder), vsftpd, lftp, sshd and dbus-daemon.

Finding where the time goes:
  --only throughput --workloads W1 --protocols FTPS --parallel 2 --repeat 1   one row
  --wire         what each file costs on the wire, Ondrix beside lftp, from the servers' protocol logs
  --profile DIR  perf record (call graphs) of every Ondrix throughput run; then, e.g.,
                 perf report -i DIR/01-FTPS-x2.data --no-children --sort dso,sym -g none
                 perf report -i DIR/01-FTPS-x2.data --children --comm "Thread (pooled)" -g none
                 (the pooled threads transfer; the "ondrix" thread is the main thread). Recording
                 call graphs costs the recorded process CPU time: take figures from runs without it.
"""

import argparse
import json
import os
import shutil
import signal
import socket
import sqlite3
import statistics
import subprocess
import sys
import tempfile
import time
import uuid

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CERTS = os.path.join(SOURCE_DIR, "tests", "support", "certs")
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
SYSTEM_CA_BUNDLE = "/etc/ssl/certs/ca-certificates.crt"
KIB = 1024
MIB = 1024 * 1024
GIB = 1024 * MIB
# The cap of the resume row: it paces the upload so that the cut comes close to where it is aimed.
RESUME_CAP_KIBPS = 50 * 1024
TRAY_PANEL = os.path.join(SOURCE_DIR, "bench", "tray_panel.py")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_for_port(port, seconds=10.0, address="127.0.0.1"):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            with socket.create_connection((address, port), timeout=0.5):
                return True
        except OSError:
            time.sleep(0.05)
    return False


def file_size(path):
    """The size of a file, -1 while there is none."""
    try:
        return os.path.getsize(path)
    except OSError:
        return -1


def write_file(path, size, chunk=b""):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        if size <= 1 * MIB:
            f.write(os.urandom(size) if not chunk else chunk[:size])
        else:
            block = os.urandom(4 * MIB)
            left = size
            while left > 0:
                n = min(left, len(block))
                f.write(block[:n])
                left -= n


# ---------------------------------------------------------------- servers

class Vsftpd:
    """One vsftpd that takes anonymous uploads, in clear text or with explicit TLS. With `wire`, every
    command and reply goes to its log, for counting what each file costs on the wire. `listen`, `port`,
    `pasv_address` and `passive` let a relay stand between the clients and the server."""

    def __init__(self, base, wire=False, listen="127.0.0.1", port=None, pasv_address="127.0.0.1",
                 passive=(40000, 60000)):
        self.dir = os.path.join(base, "vsftpd")
        self.root = os.path.join(self.dir, "root")  # the anonymous root must not be writable
        self.upload = os.path.join(self.root, "up")
        empty = os.path.join(self.dir, "empty")
        for d in (self.root, empty):
            os.makedirs(d, exist_ok=True)
            os.chmod(d, 0o755)
        self.port = port or free_port()
        self.passive = passive
        self.log = os.path.join(self.dir, "vsftpd.log")
        config = os.path.join(self.dir, "vsftpd.conf")
        key = os.path.join(self.dir, "server.key")
        shutil.copy(os.path.join(CERTS, "server.key"), key)
        os.chmod(key, 0o600)
        with open(config, "w") as f:
            f.write(f"""listen=YES
listen_ipv6=NO
listen_address={listen}
listen_port={self.port}
background=NO
anonymous_enable=YES
local_enable=NO
write_enable=YES
anon_root={self.root}
no_anon_password=YES
anon_upload_enable=YES
anon_mkdir_write_enable=YES
anon_other_write_enable=YES
anon_umask=022
ftp_username=ftp
secure_chroot_dir={empty}
pasv_enable=YES
pasv_address={pasv_address}
pasv_min_port={passive[0]}
pasv_max_port={passive[1]}
max_clients=0
max_per_ip=0
seccomp_sandbox=NO
isolate=NO
isolate_network=NO
xferlog_enable={"YES" if wire else "NO"}
log_ftp_protocol={"YES" if wire else "NO"}
syslog_enable=NO
vsftpd_log_file={self.log}
ssl_enable=YES
allow_anon_ssl=YES
force_anon_logins_ssl=NO
force_anon_data_ssl=NO
# As vsftpd runs by default: a data connection must resume its control connection's TLS session.
require_ssl_reuse=YES
ssl_ciphers=HIGH
rsa_cert_file={os.path.join(CERTS, "server.pem")}
rsa_private_key_file={key}
""")
        self.process = subprocess.Popen(["vsftpd", config], stdout=subprocess.DEVNULL,
                                        stderr=open(os.path.join(self.dir, "stderr"), "w"))
        if not wait_for_port(self.port, address=listen):
            raise RuntimeError("vsftpd did not start: " + open(os.path.join(self.dir, "stderr")).read())

    def reset(self):
        shutil.rmtree(self.upload, ignore_errors=True)
        os.makedirs(self.upload)
        shutil.chown(self.upload, "ftp", "ftp")
        return self.upload, "/up"

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


class Sshd:
    """One sshd for SFTP with a client key. With `wire`, the SFTP server is the separate sftp-server
    program logging every request, for counting what each file costs on the wire."""

    def __init__(self, base, wire=False, listen="127.0.0.1", port=None):
        self.dir = os.path.join(base, "sshd")
        self.upload = os.path.join(self.dir, "up")
        os.makedirs(self.dir, exist_ok=True)
        os.makedirs("/run/sshd", exist_ok=True)
        host_key = os.path.join(self.dir, "host_key")
        shutil.copy(os.path.join(CERTS, "ssh_host_key_a"), host_key)
        os.chmod(host_key, 0o600)
        self.client_key = os.path.join(self.dir, "client_key")
        shutil.copy(os.path.join(CERTS, "client_key"), self.client_key)
        os.chmod(self.client_key, 0o600)
        authorized = os.path.join(self.dir, "authorized_keys")
        shutil.copy(os.path.join(CERTS, "client_key.pub"), authorized)
        os.chmod(authorized, 0o600)
        self.port = port or free_port()
        self.log = os.path.join(self.dir, "sftp.log")
        subsystem = (f"/usr/lib/openssh/sftp-server -e -l DEBUG3 2>>{self.log}" if wire
                     else "internal-sftp")
        config = os.path.join(self.dir, "sshd_config")
        with open(config, "w") as f:
            f.write(f"""Port {self.port}
ListenAddress {listen}
HostKey {host_key}
AuthorizedKeysFile {authorized}
PidFile none
UsePAM no
UseDNS no
StrictModes no
PubkeyAuthentication yes
PasswordAuthentication no
KbdInteractiveAuthentication no
PermitRootLogin prohibit-password
MaxStartups 100:30:200
MaxSessions 100
Subsystem sftp {subsystem}
LogLevel ERROR
""")
        self.process = subprocess.Popen(["/usr/sbin/sshd", "-D", "-e", "-f", config],
                                        stdout=subprocess.DEVNULL,
                                        stderr=open(os.path.join(self.dir, "stderr"), "w"))
        if not wait_for_port(self.port, address=listen):
            raise RuntimeError("sshd did not start")
        self.user = os.environ.get("USER") or "root"
        import pwd
        self.user = pwd.getpwuid(os.getuid()).pw_name

    def reset(self):
        shutil.rmtree(self.upload, ignore_errors=True)
        os.makedirs(self.upload)
        return self.upload, self.upload

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


# ---------------------------------------------------------------- the store

SCHEMA = """
CREATE TABLE IF NOT EXISTS preferences (key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value);
CREATE TABLE IF NOT EXISTS dictionary_entries (key TEXT NOT NULL, entry TEXT NOT NULL, value REAL NOT NULL,
    PRIMARY KEY (key, entry)) WITHOUT ROWID;
"""


def record_key(host, local_folder, remote_folder):
    h = 5381
    for byte in f"{host}|{local_folder}|{remote_folder}".encode():
        h = (h * 33 + byte) & 0xFFFFFFFFFFFFFFFF
    return f"ondrix_uploaded_{h}"


def connection_json(name, protocol, port, user, key, local, remote, parallel, stability, cap=0):
    return {"id": str(uuid.uuid4()).upper(), "name": name, "isEnabled": True,
            "transferProtocol": protocol, "host": "127.0.0.1", "port": port, "username": user,
            "password": "bench@example.com" if protocol != "SFTP" else "", "sshKeyPath": key,
            "ftpMode": "Passive", "localFolder": local, "remoteFolder": remote,
            "preserveSubdirectories": True, "monitorSubdirectories": True,
            "deleteLocalAfterUpload": False, "conflictResolution": "Overwrite",
            "simultaneousUploads": parallel, "stabilityCheckSeconds": stability,
            "maxBandwidthKBps": cap, "extensionPreset": "", "includedExtensions": "",
            "excludedExtensions": "", "minFileSizeBytes": 0, "downloadUnspecifiedExtensions": True,
            "scheduleEnabled": False, "scheduleStartHour": 9, "scheduleEndHour": 18,
            "scheduleDays": [1, 2, 3, 4, 5], "postUploadAction": {"type": "none"},
            "iptcEnabled": False, "iptcKeywords": [], "finderTagsEnabled": True}


class TrayPanel:
    """bench/tray_panel.py on the benchmark's bus: a stand-in desktop panel, so that Ondrix started with its
    interface shows a tray icon and keeps the popover closed. It fetches every new icon, as panels do, and
    counts what Ondrix sends it."""

    def __init__(self, bus):
        self.process = subprocess.Popen(["/usr/bin/python3", TRAY_PANEL], stdout=subprocess.PIPE, text=True,
                                        env=dict(os.environ, DBUS_SESSION_BUS_ADDRESS=bus))
        if self.process.stdout.readline().strip() != "ready":
            raise RuntimeError("the stand-in panel did not start (python3-dbus and python3-gi are needed)")

    def counts(self):
        """Icon changes, pixmap bytes and D-Bus messages from Ondrix since the last call; starts them afresh."""
        self.process.send_signal(signal.SIGUSR1)
        icons, pixmap_bytes, messages = (int(x) for x in self.process.stdout.readline().split())
        return {"icons": icons, "bytes": pixmap_bytes, "messages": messages}

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


class OndrixRun:
    """One ondrix --headless with its own home, store and bus."""

    def __init__(self, bench, connections, uploaded=None):
        self.bench = bench
        self.home = tempfile.mkdtemp(prefix="home-", dir=bench.base)
        self.env = dict(os.environ)
        for name, sub in (("HOME", ""), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                          ("XDG_STATE_HOME", "state"), ("XDG_CACHE_HOME", "cache"),
                          ("XDG_RUNTIME_DIR", "run")):
            path = os.path.join(self.home, sub)
            os.makedirs(path, exist_ok=True)
            self.env[name] = path
        os.chmod(self.env["XDG_RUNTIME_DIR"], 0o700)
        self.env.update({"SSL_CERT_FILE": bench.ca_bundle, "CURL_CA_BUNDLE": "",
                         "DBUS_SESSION_BUS_ADDRESS": bench.bus, "DBUS_SYSTEM_BUS_ADDRESS": bench.bus,
                         "ONDRIX_REPORT_MAIN_THREAD_BUSY": "1"})
        for name in ("DISPLAY", "WAYLAND_DISPLAY"):
            self.env.pop(name, None)
        store = os.path.join(self.env["XDG_CONFIG_HOME"], "Ondrix", "preferences.sqlite")
        os.makedirs(os.path.dirname(store), exist_ok=True)
        db = sqlite3.connect(store)
        db.executescript(SCHEMA)
        db.execute("INSERT OR REPLACE INTO preferences VALUES ('push_connections', 'data', ?)",
                   (json.dumps(connections).encode(),))
        for key, entries in (uploaded or {}).items():
            db.execute("INSERT OR REPLACE INTO preferences VALUES (?, 'realDictionary', NULL)", (key,))
            db.executemany("INSERT OR REPLACE INTO dictionary_entries VALUES (?, ?, ?)",
                           ((key, path, mtime) for path, mtime in entries))
        db.commit()
        db.execute("PRAGMA user_version = 1")
        db.close()
        self.stderr_path = os.path.join(self.home, "stderr")
        self.process = None

    def start(self, interface=False):
        """Starts headless, or with the tray interface on a virtual X display (no panel: the popover opens
        as a window, as on a desktop without a tray)."""
        self.started = time.monotonic()
        arguments = [self.bench.ondrix] if interface else [self.bench.ondrix, "--headless"]
        if interface:
            self.env["DISPLAY"] = self.bench.x_display()
        self.process = subprocess.Popen(arguments, env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=open(self.stderr_path, "w"))

    def cpu_seconds(self):
        with open(f"/proc/{self.process.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS

    def thread_cpu_seconds(self):
        """CPU seconds of the main thread and of the pooled (uploading) threads alive now; a pooled thread that
        expired during the run is missing from the second figure, not from cpu_seconds()."""
        main = pooled = 0.0
        task_dir = f"/proc/{self.process.pid}/task"
        for tid in os.listdir(task_dir):
            try:
                with open(f"{task_dir}/{tid}/stat") as f:
                    comm, rest = f.read().split("(", 1)[1].rsplit(")", 1)
            except OSError:
                continue
            fields = rest.split()
            seconds = (int(fields[11]) + int(fields[12])) / CLOCK_TICKS
            if int(tid) == self.process.pid:
                main += seconds
            elif comm.startswith("Thread (pooled)"):
                pooled += seconds
        return main, pooled

    def memory(self, field):
        with open(f"/proc/{self.process.pid}/status") as f:
            for line in f:
                if line.startswith(field + ":"):
                    return int(line.split()[1]) / 1024.0
        return 0.0

    def stop(self):
        """Ends the run; returns the longest main-thread busy stretch in ms (None when not reported)."""
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(30)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        busy = None
        with open(self.stderr_path, errors="replace") as f:
            for line in f:
                if line.startswith("Main thread: longest busy "):
                    busy = float(line.split()[4])
        shutil.rmtree(self.home, ignore_errors=True)
        return busy

    def errors(self):
        with open(self.stderr_path, errors="replace") as f:
            return [line.rstrip() for line in f if " ✗ " in line or " ERR " in line or "ERROR" in line][:3]


# ---------------------------------------------------------------- the benchmark

def expected_files(local_root):
    result = {}
    for folder, _, names in os.walk(local_root):
        for name in names:
            path = os.path.join(folder, name)
            result[os.path.relpath(path, local_root)] = os.path.getsize(path)
    return result


def wait_until_uploaded(server_dir, expected, timeout, poll=0.1, alive=lambda: True, first_seen=None):
    """Polls the server's disk until every expected file is there at its full size; returns the time.
    `first_seen`, a list, receives the time the first file appeared on the server."""
    deadline = time.monotonic() + timeout
    missing = dict(expected)
    while time.monotonic() < deadline:
        for rel in list(missing):
            try:
                size = os.path.getsize(os.path.join(server_dir, rel))
            except OSError:
                continue
            if first_seen is not None and not first_seen:
                first_seen.append(time.monotonic())
            if size == missing[rel]:
                del missing[rel]
        if not missing:
            return time.monotonic()
        if not alive():
            return None
        time.sleep(poll)
    return None


def log_offset(path):
    try:
        return os.path.getsize(path)
    except OSError:
        return 0


def wire_counts(path, offset):
    """What clients asked a server for since `offset` in its protocol log: FTP commands by verb and control
    connections ("connect"), or SFTP requests by kind and SFTP sessions ("session")."""
    counts = {}
    try:
        with open(path, "rb") as f:
            f.seek(offset)
            text = f.read().decode(errors="replace")
    except OSError:
        return counts
    for line in text.splitlines():
        key = None
        if "FTP command: " in line:
            command = line.split('", "', 1)[-1].strip('"')
            key = command.split(" ", 1)[0].upper()
        elif "CONNECT: Client" in line:
            key = "connect"
        elif "session opened for" in line:
            key = "session"
        elif ": request " in line:
            rest = line.split(": request ", 1)[1].split(": ", 1)
            if len(rest) == 2:
                key = rest[1].split(" ", 1)[0]
                # "sent status", "sent handle": the server's replies, not requests.
                key = None if key == "sent" else key
        if key:
            counts[key] = counts.get(key, 0) + 1
    return counts


def count_complete(server_dir, expected):
    complete = 0
    for rel, size in expected.items():
        try:
            complete += os.path.getsize(os.path.join(server_dir, rel)) == size
        except OSError:
            pass
    return complete


def median_run(results):
    """The median of each figure over the runs that finished (None when none did)."""
    results = [r for r in results if r is not None]
    if not results:
        return None
    merged = {}
    for key in results[0]:
        if key == "wire":
            merged[key] = results[0][key]
            continue
        values = [r[key] for r in results if r[key] is not None]
        merged[key] = statistics.median(values) if values else None
    return merged


class Bench:
    def __init__(self, args):
        self.args = args
        self.ondrix = args.ondrix
        self.base = tempfile.mkdtemp(prefix="ondrix-engine-bench-")
        os.chmod(self.base, 0o755)
        # The CAs both clients verify the FTPS server against: the test CA alone, or (--ca-bundle system)
        # the system's CAs with the test CA added, as a company adds its own, which is what a client loads
        # by default and costs far more to parse.
        self.ca_bundle = os.path.join(CERTS, "ca.pem")
        if args.ca_bundle == "system":
            self.ca_bundle = os.path.join(self.base, "ca-bundle.pem")
            with open(self.ca_bundle, "wb") as bundle:
                for part in (SYSTEM_CA_BUNDLE, os.path.join(CERTS, "ca.pem")):
                    with open(part, "rb") as f:
                        bundle.write(f.read().rstrip(b"\n") + b"\n")
        self.bus_process = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.bus = self.bus_process.stdout.readline().strip()
        self.vsftpd = Vsftpd(self.base, args.wire)
        self.sshd = Sshd(self.base, args.wire)
        self.rows = []
        # What failed, and why, for the report; and how many Ondrix runs of each throughput row failed.
        self.failures = []
        self.failed_runs = {}
        self.load_at_start = " ".join(f"{x:.2f}" for x in os.getloadavg())

    def x_display(self):
        """A virtual X server for runs with the interface, started on first use."""
        if getattr(self, "xvfb", None) is None:
            read, write = os.pipe()
            self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-screen", "0",
                                          "1280x800x24"], pass_fds=(write,), stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL)
            os.close(write)
            with os.fdopen(read) as f:
                self.display = ":" + f.readline().strip()
        return self.display

    def close(self):
        if getattr(self, "xvfb", None) is not None:
            self.xvfb.terminate()
            self.xvfb.wait(10)
        for server in (self.vsftpd, self.sshd):
            server.stop()
        self.bus_process.terminate()
        self.bus_process.wait(10)
        shutil.rmtree(self.base, ignore_errors=True)

    def server(self, protocol):
        return self.sshd if protocol == "SFTP" else self.vsftpd

    def connection(self, protocol, name, local, parallel, stability, cap=0):
        server = self.server(protocol)
        server_dir, remote = server.reset()
        if protocol == "SFTP":
            conn = connection_json(name, "SFTP", server.port, server.user, server.client_key, local, remote,
                                   parallel, stability, cap)
        else:
            conn = connection_json(name, protocol, server.port, "anonymous", "", local, remote, parallel,
                                   stability, cap)
        return conn, server_dir

    def lftp_script(self, protocol, local, remote, parallel):
        if protocol == "SFTP":
            ssh = (f"ssh -a -x -i {self.sshd.client_key} -o StrictHostKeyChecking=no "
                   "-o UserKnownHostsFile=/dev/null -o LogLevel=ERROR")
            return (f'set sftp:connect-program "{ssh}"; '
                    f"open -u {self.sshd.user}, sftp://127.0.0.1:{self.sshd.port}; "
                    f"mirror -R --parallel={parallel} {local} {remote}; quit")
        tls = ("set ftp:ssl-force true; set ftp:ssl-protect-data true; "
               f"set ssl:ca-file {self.ca_bundle}; set ssl:priority NORMAL:-VERS-TLS1.3; " if protocol == "FTPS"
               else "set ftp:ssl-allow false; ")
        return (f"{tls}set ftp:passive-mode true; open -u anonymous,bench@example.com "
                f"ftp://127.0.0.1:{self.vsftpd.port}; mirror -R --parallel={parallel} {local} {remote}; quit")

    def run_lftp(self, protocol, local, parallel):
        server = self.server(protocol)
        server_dir, remote = server.reset()
        expected = expected_files(local)
        offset = log_offset(server.log)
        begin = time.monotonic()
        before = os.times()
        process = subprocess.Popen(["lftp", "-c", self.lftp_script(protocol, local, remote, parallel)],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        first = []
        done = wait_until_uploaded(server_dir, expected, self.args.timeout, poll=0.02, first_seen=first)
        complete = count_complete(server_dir, expected) if done is None else len(expected)
        try:
            _, stderr = process.communicate(timeout=30)
        except subprocess.TimeoutExpired:
            process.kill()
            _, stderr = process.communicate()
        after = os.times()
        if done is None:
            return (f"not done within {self.args.timeout:.0f} s ({complete} of {len(expected)} files complete "
                    f"on the server); lftp said: {stderr.strip()[:300]!r}")
        if process.returncode != 0:
            return f"lftp exited with {process.returncode}: {stderr.strip()[:300]!r}"
        return {"seconds": done - begin, "upload": done - first[0],
                "cpu": (after.children_user + after.children_system) -
                (before.children_user + before.children_system),
                "wire": wire_counts(server.log, offset) if self.args.wire else None}

    def run_ondrix(self, protocol, local, parallel, stability=1):
        conn, server_dir = self.connection(protocol, "Bench", local, parallel, stability)
        expected = expected_files(local)
        offset = log_offset(self.server(protocol).log)
        run = OndrixRun(self, [conn])
        run.start()
        profiler = self.start_profile(run, f"{protocol}-x{parallel}")
        first = []
        done = wait_until_uploaded(server_dir, expected, self.args.timeout, poll=0.02,
                                   alive=lambda: run.process.poll() is None, first_seen=first)
        self.stop_profile(profiler)
        exit_code = run.process.poll()
        cpu = run.cpu_seconds() if exit_code is None else float("nan")
        main_cpu, upload_cpu = run.thread_cpu_seconds() if exit_code is None else (float("nan"), float("nan"))
        hwm = run.memory("VmHWM") if exit_code is None else float("nan")
        errors = run.errors()
        busy = run.stop()
        if done is None:
            why = (f"exited with {exit_code}" if exit_code is not None else
                   f"not done within {self.args.timeout:.0f} s")
            return (f"{why} ({count_complete(server_dir, expected)} of {len(expected)} files complete on the "
                    f"server); its first errors: {errors or 'none logged'}")
        return {"seconds": done - run.started, "upload": done - first[0], "cpu": cpu, "main cpu": main_cpu,
                "upload cpu": upload_cpu, "rss": hwm, "busy": busy,
                "wire": wire_counts(self.server(protocol).log, offset) if self.args.wire else None}

    def start_profile(self, run, name):
        """With --profile: `perf record` with call graphs on the Ondrix process until stop_profile."""
        if not self.args.profile:
            return None
        os.makedirs(self.args.profile, exist_ok=True)
        self.profile_count = getattr(self, "profile_count", 0) + 1
        output = os.path.join(self.args.profile, f"{self.profile_count:02d}-{name}.data")
        process = subprocess.Popen(["perf", "record", "-q", "-F", "1999", "--call-graph", "dwarf,16384",
                                    "-p", str(run.process.pid), "-o", output],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return process, output

    def stop_profile(self, profiler):
        if profiler is None:
            return
        process, output = profiler
        process.send_signal(signal.SIGINT)
        try:
            process.wait(60)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        print(f"  profile: perf report -i {output} --no-children", file=sys.stderr, flush=True)

    # -- workloads

    def small_files(self):
        root = os.path.join(self.base, "w1")
        if not os.path.isdir(root):
            payload = os.urandom(16 * KIB)
            for i in range(self.args.small_files):
                write_file(os.path.join(root, f"folder{i % 10:02d}", f"file{i:05d}.dat"), 16 * KIB, payload)
        return root

    def large_files(self):
        root = os.path.join(self.base, "w2")
        if not os.path.isdir(root):
            for i in range(4):
                write_file(os.path.join(root, f"large{i}.bin"), self.args.large_mib * MIB)
        return root

    def throughput(self):
        workloads = []
        if "W1" in self.args.workloads:
            workloads.append(("W1", self.small_files(), self.args.small_files, self.args.small_files * 16 * KIB))
        if "W2" in self.args.workloads:
            workloads.append(("W2", self.large_files(), 4, 4 * self.args.large_mib * MIB))
        for name, local, count, size in workloads:
            for protocol in self.args.protocols.split(","):
                for parallel in self.args.parallel:
                    label = f"{name} {protocol} x{parallel}"
                    print(f"  {label} ...", file=sys.stderr, flush=True)
                    # Runs alternate between the two, and which goes first alternates too, so a slow spell
                    # of the machine (or a warm cache) favours neither.
                    results = {"ondrix": [], "lftp": []}
                    for i in range(self.args.repeat):
                        order = ["ondrix", "lftp"] if i % 2 == 0 else ["lftp", "ondrix"]
                        for who in order:
                            run = self.run_ondrix if who == "ondrix" else self.run_lftp
                            result = run(protocol, local, parallel)
                            if isinstance(result, str):
                                note = f"{label}: {who} run {i + 1} of {self.args.repeat} failed: {result}"
                                print("  " + note, file=sys.stderr, flush=True)
                                self.failures.append(note)
                                result = None
                            results[who].append(result)
                    self.rows.append(("throughput", label, median_run(results["ondrix"]),
                                      median_run(results["lftp"]), count, size))
                    self.failed_runs[label] = sum(r is None for r in results["ondrix"])

    def latency(self):
        local = os.path.join(self.base, "latency")
        os.makedirs(local, exist_ok=True)
        conn, server_dir = self.connection("FTP", "Latency", local, 2, 1)
        run = OndrixRun(self, [conn])
        run.start()
        time.sleep(3)
        delays = []
        payload = os.urandom(16 * KIB)
        for i in range(self.args.latency_files):
            name = f"shot{i:03d}.jpg"
            with open(os.path.join(local, name), "wb") as f:
                f.write(payload)
            closed = time.monotonic()
            done = wait_until_uploaded(server_dir, {name: len(payload)}, 30, poll=0.01)
            if done is not None:
                delays.append(done - closed)
            time.sleep(max(0.0, 2.0 - (time.monotonic() - closed)))
        busy = run.stop()
        self.latency_result = (delays, busy)

    def bandwidth(self):
        local = os.path.join(self.base, "cap")
        write_file(os.path.join(local, "capped.bin"), 8 * MIB)
        conn, server_dir = self.connection("FTP", "Cap", local, 1, 1, cap=1024)
        run = OndrixRun(self, [conn])
        run.start()
        path = os.path.join(server_dir, "capped.bin")
        first = None
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            try:
                size = os.path.getsize(path)
            except OSError:
                size = -1
            if size >= 0 and first is None:
                first = time.monotonic()
            if size == 8 * MIB:
                break
            time.sleep(0.005)
        done = time.monotonic()
        run.stop()
        ours = 8 * 1024 / (done - first) if first and size == 8 * MIB else None
        peer = None
        if shutil.which("curl"):
            server_dir, remote = self.vsftpd.reset()
            begin = time.monotonic()
            subprocess.run(["curl", "-s", "-T", os.path.join(local, "capped.bin"), "--limit-rate", "1024K",
                            f"ftp://anonymous:x@127.0.0.1:{self.vsftpd.port}{remote}/"], timeout=60)
            peer = 8 * 1024 / (time.monotonic() - begin)
        self.bandwidth_result = (ours, peer)

    def resume(self):
        """One 1 GiB upload over FTP, capped, cut at 60 % by killing Ondrix with SIGKILL and started again with
        the same store: the bytes vsftpd received in both attempts together, from its transfer log."""
        size = 1024 * MIB
        local = os.path.join(self.base, "resume")
        write_file(os.path.join(local, "clip.mov"), size)
        server = Vsftpd(os.path.join(self.base, "resume-server"), wire=True)
        try:
            server_dir, remote = server.reset()
            conn = connection_json("Resume", "FTP", server.port, "anonymous", "", local, remote, 1, 1,
                                   cap=RESUME_CAP_KIBPS)
            run = OndrixRun(self, [conn])
            run.start()
            path = os.path.join(server_dir, "clip.mov")
            cut_at = size * 6 // 10
            deadline = time.monotonic() + self.args.timeout
            while file_size(path) < cut_at and time.monotonic() < deadline and run.process.poll() is None:
                time.sleep(0.01)
            run.process.kill()
            run.process.wait()
            held = max(file_size(path), 0)
            run.start()
            done = wait_until_uploaded(server_dir, {"clip.mov": size}, self.args.timeout,
                                       alive=lambda: run.process.poll() is None)
            with open(run.stderr_path, errors="replace") as f:
                resumed = any("Resumed at" in line for line in f)
            run.stop()
            identical = done is not None and subprocess.run(
                ["cmp", "-s", os.path.join(local, "clip.mov"), path]).returncode == 0
            # vsftpd logs each upload when it ends, a cut one included ("FAIL UPLOAD ... N bytes").
            time.sleep(1)
            sent = 0
            with open(server.log, errors="replace") as f:
                for line in f:
                    if " UPLOAD: " in line and " bytes," in line:
                        sent += int(line.rsplit(" bytes,", 1)[0].rsplit(" ", 1)[1])
        finally:
            server.stop()
            shutil.rmtree(local, ignore_errors=True)
        self.resume_result = {"size": size, "held": held, "sent": sent, "done": done is not None,
                              "identical": identical, "resumed": resumed}

    def idle(self, count, interface=False):
        """Idle over `count` uploaded files: headless, or with the tray icon shown and the popover closed."""
        local = os.path.join(self.base, f"idle{count}")
        uploaded = []
        for i in range(count):
            path = os.path.join(local, f"d{i // 1000:03d}", f"f{i:06d}.txt")
            if i % 1000 == 0:
                os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(b"x")
            uploaded.append((path, os.stat(path).st_mtime))
        conn, server_dir = self.connection("FTP", "Idle", local, 2, 2)
        # Anonymous without a password: a password in the store is moved to the desktop keyring, and on this
        # private bus, which has none, the keyring would be asked again every 5 s for the first two minutes,
        # costing some 0.1 % of a core of its own.
        conn["password"] = ""
        key = record_key("127.0.0.1", local, conn["remoteFolder"])
        run = OndrixRun(self, [conn], {key: uploaded})
        panel = TrayPanel(self.bus) if interface else None
        run.start(interface)
        # A new file saved while the first scan of the tree runs: how long until it is on the server.
        time.sleep(0.5)
        fresh = os.path.join(local, "fresh.jpg")
        with open(fresh, "wb") as f:
            f.write(os.urandom(16 * KIB))
        closed = time.monotonic()
        done = wait_until_uploaded(server_dir, {"fresh.jpg": 16 * KIB}, 60, poll=0.01)
        first_upload = done - closed if done is not None else None
        # Idle from here on: start-up and that one upload are not counted.
        time.sleep(2)
        cpu_before = run.cpu_seconds()
        time.sleep(self.args.idle_seconds)
        cpu = run.cpu_seconds() - cpu_before
        rss = run.memory("VmRSS")
        busy = run.stop()
        if panel:
            panel.stop()
        shutil.rmtree(local, ignore_errors=True)
        return {"cpu": cpu, "busy": busy, "rss": rss, "seconds": self.args.idle_seconds,
                "first_upload": first_upload, "stability": 2, "interface": interface}

    def tray(self):
        """D-Bus messages from Ondrix with its tray icon shown, counted by the stand-in panel (which fetches every
        new icon): while the busy icon turns (a file that keeps growing holds the stability check), then while
        five files upload at 5 simultaneous uploads, capped so that all five are still under way meanwhile."""
        panel = TrayPanel(self.bus)
        local = os.path.join(self.base, "tray")
        os.makedirs(local, exist_ok=True)
        conn, server_dir = self.connection("FTP", "Tray", local, 5, 1, cap=1024)
        run = OndrixRun(self, [conn])
        run.start(interface=True)
        growing = os.path.join(local, "growing.mov")

        def grow(seconds):
            end = time.monotonic() + seconds
            while time.monotonic() < end:
                with open(growing, "ab") as f:
                    f.write(b"more\n")
                time.sleep(0.3)

        grow(5)  # started, the icon registered and turning
        panel.counts()
        grow(self.args.tray_seconds)
        animating = panel.counts()
        os.remove(growing)
        names = [f"clip{i}.mov" for i in range(5)]
        for name in names:
            write_file(os.path.join(local, name), 20 * MIB)
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline and not all(file_size(os.path.join(server_dir, n)) > 0 for n in names):
            time.sleep(0.05)
        time.sleep(1)
        panel.counts()
        time.sleep(self.args.tray_seconds)
        uploading = panel.counts()
        under_way = sum(0 < file_size(os.path.join(server_dir, n)) < 20 * MIB for n in names)
        run.stop()
        panel.stop()
        self.tray_result = {"seconds": self.args.tray_seconds, "animating": animating, "uploading": uploading,
                            "under way": under_way}

    def archive(self):
        """The longest main-thread stretch of a run that uploads a 1 GiB file over FTP and then moves it to an
        archive folder on another file system (the watched folder on the disk, the archive in /dev/shm), next
        to the same run without the move; --repeat runs of each, taking turns."""
        size = 1024 * MIB
        local = os.path.join(self.base, "archive-watched")
        archive = tempfile.mkdtemp(prefix="ondrix-archive-", dir="/dev/shm")
        results = {"none": [], "moveToArchive": []}
        try:
            for action in ("none", "moveToArchive") * self.args.repeat:
                path = os.path.join(local, "clip.mov")
                if file_size(path) != size:
                    write_file(path, size)
                conn, server_dir = self.connection("FTP", "Archive", local, 1, 1)
                if action != "none":
                    conn["postUploadAction"] = {"type": action, "path": archive}
                run = OndrixRun(self, [conn])
                run.start()
                done = wait_until_uploaded(server_dir, {"clip.mov": size}, self.args.timeout,
                                           alive=lambda: run.process.poll() is None)
                archived = os.path.join(archive, "clip.mov")
                if action != "none":
                    deadline = time.monotonic() + self.args.timeout
                    while time.monotonic() < deadline and (file_size(archived) != size or os.path.exists(path)):
                        time.sleep(0.05)
                time.sleep(1)
                errors = run.errors()
                busy = run.stop()
                moved = file_size(archived) == size and not os.path.exists(path)
                if done is None or (action != "none" and not moved):
                    self.failures.append(f"archive ({action}): {'not uploaded' if done is None else 'not moved'}; "
                                         f"its first errors: {errors or 'none logged'}")
                    busy = None
                results[action].append(busy)
                if os.path.exists(archived):
                    os.remove(archived)
            results["other file system"] = os.stat(local).st_dev != os.stat(archive).st_dev
        finally:
            shutil.rmtree(archive, ignore_errors=True)
            shutil.rmtree(local, ignore_errors=True)
        self.archive_result = results

    def memory(self, connections, interface=False):
        conns = []
        for i in range(connections):
            local = os.path.join(self.base, f"mem{i}")
            os.makedirs(local, exist_ok=True)
            conn, _ = self.connection("FTP", f"Conn{i}", local, 2, 2)
            conn["remoteFolder"] = f"/up/c{i}"
            conns.append(conn)
        run = OndrixRun(self, conns)
        run.start(interface)
        time.sleep(8)
        rss = run.memory("VmRSS")
        run.stop()
        return rss

    # -- report

    def report(self):
        print("\n".join(self.report_lines() + self.wire_table() + self.targets()))

    def report_lines(self):
        """Every figure measured, without the targets."""
        def fmt(v, pattern=".2f"):
            return "-" if v is None or v != v else format(v, pattern)

        lines = [f"Load average at the start: {self.load_at_start}, at the end: "
                 f"{' '.join(f'{x:.2f}' for x in os.getloadavg())} (2 cores, shared)"]
        lines += [] if not self.rows else ["", f"Throughput, stability 1 s, median of {self.args.repeat} run(s) each. total: from start until the last file is on the server (polling the",
                 "server's disk); upload: from the first file appearing on the server to the last one complete.",
                 "rate = ondrix upload rate / lftp upload rate; end-to-end target: ondrix total <= lftp total + 1 + 2 s",
                 "cpu s: the whole process; main: its main thread; upl.: its pooled (uploading) threads.",
                 "Both write each file in place under its name: ondrix with conflict mode Overwrite, no temporary name",
                 "and no size check (one EPSV + STOR per file over FTP), lftp mirror -R.",
                 f"FTPS: TLS 1.2 (lftp is set to it too), verified against {self.ca_bundle}.",
                 f"{'workload':<14}{'total s':>8}{'upload s':>9}{'files/s':>8}{'MiB/s':>8}{'cpu s':>6}{'main':>6}{'upl.':>6}"
                 f"{'peak MB':>8}{'busy ms':>8} | {'lftp s':>7}{'upload s':>9}{'files/s':>8}{'MiB/s':>8}"
                 f"{'rate':>6}{'  e2e':>10}"]
        for _, label, ours, peer, count, size in self.rows:
            o_u = ours["upload"] if ours else None
            p_u = peer["upload"] if peer else None
            ratio = p_u / o_u if o_u and p_u else None
            limit = peer["seconds"] + 3 if peer else None
            verdict = "-" if not (ours and limit) else ("ok" if ours["seconds"] <= limit else "MISS")
            lines.append(
                f"{label:<14}{fmt(ours and ours['seconds']):>8}{fmt(o_u):>9}"
                f"{fmt(count / o_u if o_u else None, '.0f'):>8}{fmt(size / MIB / o_u if o_u else None, '.1f'):>8}"
                f"{fmt(ours and ours['cpu']):>6}{fmt(ours and ours['main cpu']):>6}"
                f"{fmt(ours and ours['upload cpu']):>6}{fmt(ours and ours['rss'], '.0f'):>8}"
                f"{fmt(ours and ours['busy'], '.0f'):>8} | {fmt(peer and peer['seconds']):>7}{fmt(p_u):>9}"
                f"{fmt(count / p_u if p_u else None, '.0f'):>8}{fmt(size / MIB / p_u if p_u else None, '.1f'):>8}"
                f"{fmt(ratio):>6}{verdict:>6} {fmt(limit, '.1f')}")
        if hasattr(self, "latency_result"):
            delays, busy = self.latency_result
            if delays:
                ordered = sorted(delays)
                p95 = ordered[min(len(ordered) - 1, int(round(0.95 * (len(ordered) - 1))))]
                lines.append(f"\nLatency (FTP, stability 1 s, {len(delays)} files, one every 2 s): median "
                             f"{statistics.median(delays):.2f} s, p95 {p95:.2f} s, max {ordered[-1]:.2f} s "
                             f"(target median <= 1.50 s)")
        if hasattr(self, "bandwidth_result"):
            ours, peer = self.bandwidth_result
            lines.append(f"\nBandwidth cap 1024 KiB/s, 8 MiB over FTP: ondrix {fmt(ours, '.1f')} KiB/s "
                         f"({fmt(ours and (ours / 1024 - 1) * 100, '+.1f')} %), curl --limit-rate "
                         f"{fmt(peer, '.1f')} KiB/s")
        if hasattr(self, "resume_result"):
            r = self.resume_result
            outcome = ("not finished" if not r["done"] else
                       "the server's copy is identical" if r["identical"] else "the server's copy DIFFERS")
            lines.append(f"\nResume, 1 GiB over FTP capped at {RESUME_CAP_KIBPS // 1024} MiB/s, Ondrix killed "
                         f"(SIGKILL) at {100 * r['held'] / r['size']:.1f} % and started again: "
                         f"{r['sent'] / GIB:.3f} GiB received by the server in all, "
                         f"{'resumed' if r['resumed'] else 'not resumed'}, {outcome}")
        for count, result in getattr(self, "idle_results", []):
            shown = ", tray icon shown, popover closed" if result["interface"] else ""
            lines.append(f"\nIdle {count} uploaded files{shown}, {result['seconds']} s (stability 2 s): cpu "
                         f"{result['cpu']:.2f} s = {100 * result['cpu'] / result['seconds']:.2f} % of a core, "
                         f"longest main-thread busy {fmt(result['busy'], '.1f')} ms, rss {result['rss']:.0f} MB")
        for connections, rss in getattr(self, "memory_results", []):
            lines.append(f"Idle RSS with {connections} connection(s): {rss:.1f} MB")
        if hasattr(self, "tray_result"):
            r = self.tray_result
            for phase in ("animating", "uploading"):
                c = r[phase]
                lines.append(f"\nTray shown, {phase} ({r['seconds']} s, the stand-in panel fetching every new "
                             f"icon): {c['messages'] / r['seconds']:.1f} D-Bus messages a second from Ondrix, "
                             f"{c['icons']} icon changes, {c['bytes'] / r['seconds'] / 1024:.1f} KiB/s of pixmaps")
            lines.append(f"  files still under way at the end of the uploading count: {r['under way']} of 5")
        if hasattr(self, "archive_result"):
            r = self.archive_result
            runs = {k: ", ".join(fmt(b, ".1f") for b in r[k]) for k in ("moveToArchive", "none")}
            lines.append(f"\n1 GiB over FTP, then moved to an archive folder "
                         f"({'on another file system' if r['other file system'] else 'ON THE SAME FILE SYSTEM'}), "
                         f"longest main-thread stretch of each run: {runs['moveToArchive']} ms; the same runs "
                         f"without the move: {runs['none']} ms")
        return lines

    def wire_table(self):
        """Commands (FTP) or requests (SFTP) per file the server saw from each client, from its protocol log;
        "connect" and "session" count control connections and SFTP sessions."""
        lines = []
        for _, label, ours, peer, count, _ in self.rows:
            ours_wire = (ours or {}).get("wire")
            peer_wire = (peer or {}).get("wire")
            if ours_wire is None and peer_wire is None:
                continue
            if not lines:
                lines = ["", "On the wire, per file (one run each; from the servers' protocol logs)"]
            keys = sorted(set(ours_wire or {}) | set(peer_wire or {}))
            lines.append(f"{label:<14} ondrix: " + " ".join(
                f"{k} {(ours_wire or {}).get(k, 0) / count:.2f}" for k in keys))
            lines.append(f"{'':<14} lftp:   " + " ".join(
                f"{k} {(peer_wire or {}).get(k, 0) / count:.2f}" for k in keys))
        return lines

    def targets(self):
        """Every figure that has a target, beside its target, in one table."""
        rows = self.target_rows()
        if not rows:
            return []
        width = max(len(r[0]) for r in rows) + 2
        lines = ["", "Targets (same run)", f"{'figure':<{width}}{'measured':>26}  {'target':<12}{'':>4}"]
        for figure, shown, target, verdict in rows:
            lines.append(f"{figure:<{width}}{shown:>26}  {target:<12}{verdict:>4}")
        if self.failures:
            lines += ["", "Failed runs (left out of the medians; a row without any finished run shows -):"]
            lines += ["  " + note for note in self.failures]
        return lines

    def target_rows(self):
        """(figure, measured, target, verdict) for every figure that has a target."""
        rows = []

        def add(figure, value, shown, target, ok):
            rows.append((figure, shown if value is not None else "-", target,
                         "-" if value is None else ("ok" if ok else "MISS")))

        for _, label, ours, peer, count, _ in self.rows:
            o_u = ours["upload"] if ours else None
            p_u = peer["upload"] if peer else None
            ratio = p_u / o_u if o_u and p_u else None
            need = 1.05 if label.startswith("W1") else 1.0
            failed = self.failed_runs.get(label, 0)
            if failed:
                add(f"{label} ondrix runs that finished", 0, f"{self.args.repeat - failed} of {self.args.repeat}",
                    "all", False)
            add(f"{label} rate / lftp", ratio, f"{ratio:.2f}" if ratio else "", f">= {need:.2f}",
                ratio is not None and ratio >= need)
            if label.startswith("W1") and ours and peer:
                ours_cpu = ours["cpu"] * 1000 / count
                peer_cpu = peer["cpu"] * 1000 / count
                add(f"{label} cpu s / 1000 files", ours_cpu, f"{ours_cpu:.2f} (lftp {peer_cpu:.2f})",
                    "<= lftp", ours_cpu <= peer_cpu)
        if hasattr(self, "resume_result"):
            r = self.resume_result
            add("resume: 1 GiB cut at 60 %, bytes sent in all", r["sent"], f"{r['sent'] / GIB:.3f} GiB",
                "<= 1.10 GiB", r["identical"] and r["sent"] <= 1.1 * GIB)
        for count, result in getattr(self, "idle_results", []):
            share = 100 * result["cpu"] / result["seconds"]
            if result["interface"]:
                add(f"idle {count} files, tray shown, popover closed: cpu", share, f"{share:.3f} % of a core",
                    "<= 0.10 %", share <= 0.1)
                continue
            add(f"idle {count} files: cpu", share, f"{share:.2f} % of a core", "<= 0.20 %", share <= 0.2)
            busy = result["busy"]
            add(f"idle {count} files: longest main-thread stretch", busy, f"{busy:.1f} ms" if busy else "",
                "<= 16 ms", busy is not None and busy <= 16)
            limit = 40 if count >= 100000 else 30
            add(f"idle {count} files: rss", result["rss"], f"{result['rss']:.1f} MB", f"<= {limit} MB",
                result["rss"] <= limit)
            first = result["first_upload"]
            # Stability interval plus the latency target: the first scan may not delay it beyond that.
            bound = 2 * result["stability"] + 0.5
            add(f"idle {count} files: new file during first scan", first, f"{first:.2f} s" if first else "",
                f"<= {bound:.1f} s", first is not None and first <= bound)
        if hasattr(self, "latency_result"):
            delays, _ = self.latency_result
            median = statistics.median(delays) if delays else None
            add("latency median (stability 1 s)", median, f"{median:.2f} s" if median else "", "<= 1.50 s",
                median is not None and median <= 1.5)
        for connections, rss in getattr(self, "memory_results", []):
            if connections == 1:
                add("idle rss, 1 connection, headless", rss, f"{rss:.1f} MB", "<= 30 MB", rss <= 30)
        if hasattr(self, "interface_rss"):
            rss = self.interface_rss
            add("idle rss, 1 connection, interface", rss, f"{rss:.1f} MB", "<= 60 MB", rss <= 60)
        if hasattr(self, "tray_result"):
            r = self.tray_result
            for phase in ("uploading", "animating"):
                rate = r[phase]["messages"] / r["seconds"]
                add(f"tray shown, {phase}: D-Bus messages a second", rate, f"{rate:.1f}", "<= 10",
                    rate <= 10 and (phase == "animating" or r["under way"] == 5))
            icons = r["uploading"]["icons"]
            add("tray shown, 5 files uploading: icon updates", icons, str(icons), "0", icons == 0)
        if hasattr(self, "archive_result"):
            r = self.archive_result
            moved = [b for b in r["moveToArchive"] if b is not None]
            still = [b for b in r["none"] if b is not None]
            busy = statistics.median(moved) if moved else None
            add("1 GiB archived to another file system: longest main-thread stretch, median", busy,
                f"{busy:.1f} ms (no move {statistics.median(still) if still else float('nan'):.1f})"
                if busy else "", "<= 16 ms",
                busy is not None and busy <= 16 and len(moved) == len(r["moveToArchive"]) and
                r["other file system"])
        return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--ondrix", required=True, help="the ondrix binary (a release build)")
    parser.add_argument("--quick", action="store_true", help="smaller workloads, shorter idle runs")
    parser.add_argument("--only", default="throughput,latency,bandwidth,resume,idle,memory,tray,archive",
                        help="comma-separated parts to run")
    parser.add_argument("--timeout", type=float, default=180)
    parser.add_argument("--workloads", default="W1,W2", help="throughput workloads to run: W1 (small), W2 (large)")
    parser.add_argument("--protocols", default="FTP,FTPS,SFTP", help="throughput protocols to run")
    parser.add_argument("--parallel", default="2,5", help="simultaneous uploads of the throughput rows")
    parser.add_argument("--repeat", type=int, default=None,
                        help="runs per throughput row, medians reported (default 3, 1 with --quick)")
    parser.add_argument("--wire", action="store_true",
                        help="log every FTP command and SFTP request on the servers and print what each file "
                             "costs on the wire (slows the servers: not for rate figures)")
    parser.add_argument("--ca-bundle", choices=("test", "system"), default="test",
                        help="CAs for FTPS: the test CA alone (default), or the system bundle plus the test CA")
    parser.add_argument("--profile", metavar="DIR",
                        help="record each Ondrix throughput run with perf (call graphs) into DIR; read one "
                             "with perf report -i DIR/<file> --no-children (inflates Ondrix's CPU figures)")
    args = parser.parse_args()
    args.repeat = args.repeat or (1 if args.quick else 3)
    args.parallel = [int(n) for n in args.parallel.split(",")]
    # The connection list names protocols in capitals; "sftp" would make every run fail to load it.
    args.protocols = args.protocols.upper()
    args.workloads = args.workloads.upper()
    args.small_files = 1000
    args.large_mib = 64 if args.quick else 256
    args.latency_files = 10 if args.quick else 50
    args.idle_seconds = 20 if args.quick else 60
    args.idle_counts = [10000] if args.quick else [10000, 100000]
    args.tray_seconds = 10
    if os.geteuid() != 0:
        sys.exit("run as root: vsftpd and sshd run with their own configuration here")
    if args.profile and not shutil.which("perf"):
        sys.exit("--profile needs perf (linux-perf)")
    for tool in ("vsftpd", "lftp", "dbus-daemon"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing: run scripts/install-deps.sh")
    only = set(args.only.split(","))
    bench = Bench(args)
    try:
        if "throughput" in only:
            bench.throughput()
        if "latency" in only:
            print("  latency ...", file=sys.stderr, flush=True)
            bench.latency()
        if "bandwidth" in only:
            print("  bandwidth ...", file=sys.stderr, flush=True)
            bench.bandwidth()
        if "resume" in only:
            print("  resume ...", file=sys.stderr, flush=True)
            bench.resume()
        if "idle" in only:
            bench.idle_results = []
            for count in args.idle_counts:
                print(f"  idle {count} ...", file=sys.stderr, flush=True)
                bench.idle_results.append((count, bench.idle(count)))
            print("  idle 10000 with the tray icon shown ...", file=sys.stderr, flush=True)
            bench.idle_results.append((10000, bench.idle(10000, interface=True)))
        if "memory" in only:
            bench.memory_results = []
            for n in (1, 10):
                print(f"  memory {n} ...", file=sys.stderr, flush=True)
                bench.memory_results.append((n, bench.memory(n)))
            print("  memory with the interface ...", file=sys.stderr, flush=True)
            bench.interface_rss = bench.memory(1, interface=True)
        if "tray" in only:
            print("  tray ...", file=sys.stderr, flush=True)
            bench.tray()
        if "archive" in only:
            print("  archive ...", file=sys.stderr, flush=True)
            bench.archive()
        bench.report()
    finally:
        bench.close()


if __name__ == "__main__":
    main()
