#!/usr/bin/env python3
"""Benchmarks Ondrix over a stand-in for a wide-area link, next to lftp and rclone, and prints one table.

Every client talks to the same vsftpd (FTP, explicit FTPS) and OpenSSH sshd (SFTP) through bench/wan_relay.py,
which adds a round-trip time and a rate limit shared by all connections. The servers listen on 127.0.0.3; the
relay listens on 127.0.0.1 (the address the test certificate names) for the control, passive and SSH ports and
forwards to them, and vsftpd names 127.0.0.1 as its passive address. Nothing leaves loopback.

Workloads: W3 200 files of 2 MB in 4 folders, W4 one 1 GiB file (128 MiB with --quick), W5 1000 files of
16 KiB in 10 folders. Clients: Ondrix at 5 simultaneous uploads, `lftp mirror -R -P 5`, `rclone copy
--transfers 5`, and lftp and rclone at their defaults (one transfer, four). Each row is the median of
--repeat runs (3; 1 with --quick); the runs of a row take turns. Also:
  rtt   round trips per small FTP file after the first of a folder, counted on the relay (one transfer at a
        time, 51 files in one folder against 1 file: the difference over 50): the turns of its connections
        (a request after an answer) plus one handshake per new connection
  cpu   CPU seconds per 1000 files of 16 KiB over FTP at 5 transfers on an unlimited link of no delay
and, on loopback without the relay, through bench/engine_bench.py:
  w1       1000 files of 16 KiB over FTP at 5 simultaneous uploads next to lftp --parallel=5
  idle     CPU over 10 000 uploaded files with the tray icon shown and the popover closed (Xvfb and
           bench/tray_panel.py, a stand-in panel); the longest main-thread stretch over 100 000, headless
  tray     D-Bus messages from Ondrix with the tray icon shown, while the busy icon turns and while five files
           upload, and the icon changes in the latter
  archive  the longest main-thread stretch of an upload of 1 GiB moved to an archive folder on another file
           system (/dev/shm, the watched folder on the disk), next to the same run without the move

Run as root (the servers run with their own configuration); builds nothing: pass --ondrix, or use
bench/run-wan-bench.sh, which builds the release binary first. rclone is installed from Debian when missing.
"""

import argparse
import os
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import engine_bench  # noqa: E402
from engine_bench import (CERTS, KIB, MIB, OndrixRun, connection_json, count_complete,  # noqa: E402
                          expected_files, wait_until_uploaded, write_file)

BENCH_DIR = os.path.dirname(os.path.abspath(__file__))
CLIENT_ADDRESS = "127.0.0.1"  # where clients connect: the relay
SERVER_ADDRESS = "127.0.0.3"  # where the servers listen
PASSIVE_PORTS = 200
MB = 1000 * 1000

LINKS = {"50ms": (50, 100), "150ms": (150, 20), "lan": (0, 0)}
# name: (folders, files, bytes per file)
WORKLOADS = {"W3": (4, 200, 2 * MB), "W4": (1, 1, 1024 * MIB), "W5": (10, 1000, 16 * KIB),
             "W1": (10, 1000, 16 * KIB)}
CLIENTS = ["ondrix x5", "lftp x5", "rclone x5", "lftp default", "rclone default"]


def port_free(port):
    for address in (CLIENT_ADDRESS, SERVER_ADDRESS):
        with socket.socket() as s:
            try:
                s.bind((address, port))
            except OSError:
                return False
    return True


def free_port():
    while True:
        with socket.socket() as s:
            s.bind((CLIENT_ADDRESS, 0))
            port = s.getsockname()[1]
        if port_free(port):
            return port


def passive_range():
    """A run of ports free on both addresses, below the range the kernel hands out for outgoing connections."""
    for first in range(20000, 32000 - PASSIVE_PORTS, PASSIVE_PORTS):
        if all(port_free(p) for p in range(first, first + PASSIVE_PORTS)):
            return first, first + PASSIVE_PORTS - 1
    raise RuntimeError("no free passive port range")


# ---------------------------------------------------------------- servers

class Vsftpd(engine_bench.Vsftpd):
    """The engine benchmark's vsftpd on the server address, its passive replies naming the relay."""

    def __init__(self, base, passive):
        super().__init__(base, listen=SERVER_ADDRESS, port=free_port(), pasv_address=CLIENT_ADDRESS,
                         passive=passive)

    def ports(self):
        return [str(self.port), f"{self.passive[0]}-{self.passive[1]}"]


class Sshd(engine_bench.Sshd):
    def __init__(self, base):
        super().__init__(base, listen=SERVER_ADDRESS, port=free_port())

    def ports(self):
        return [str(self.port)]


class Relay:
    """One wan_relay.py for one run, so that its counts are that run's."""

    def __init__(self, link, ports, stats=False):
        rtt, mbit = LINKS[link]
        arguments = ["nice", "-n", "-15", sys.executable, os.path.join(BENCH_DIR, "wan_relay.py"),
                     "--rtt-ms", str(rtt), "--mbit", str(mbit), "--listen", CLIENT_ADDRESS,
                     "--target", SERVER_ADDRESS, "--stats"]
        for item in ports:
            arguments += ["--ports", item]
        self.process = subprocess.Popen(arguments, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        line = self.process.stdout.readline()
        if line.strip() != "ready":
            raise RuntimeError("the relay did not start: " + self.process.stderr.read()[:500])

    def stop(self):
        """Returns the relay's counts: connections, turns, up_bytes, down_bytes."""
        self.process.send_signal(signal.SIGTERM)
        out, _ = self.process.communicate(timeout=30)
        counts = {}
        for item in out.split():
            if "=" in item:
                key, value = item.split("=", 1)
                counts[key] = int(value)
        return counts


# ---------------------------------------------------------------- the benchmark

class Bench:
    def __init__(self, args):
        self.args = args
        self.ondrix = args.ondrix
        self.base = tempfile.mkdtemp(prefix="ondrix-wan-bench-")
        os.chmod(self.base, 0o755)
        self.ca_bundle = os.path.join(CERTS, "ca.pem")
        self.bus_process = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.bus = self.bus_process.stdout.readline().strip()
        self.vsftpd = Vsftpd(self.base, passive_range())
        self.sshd = Sshd(self.base)
        self.rclone_config = os.path.join(self.base, "rclone.conf")
        open(self.rclone_config, "w").close()
        self.rclone_pass = subprocess.run(["rclone", "obscure", "bench@example.com"], capture_output=True,
                                          text=True, check=True).stdout.strip()
        self.results = {}  # (workload, link, protocol, client) -> list of run results (dict or None)
        self.failures = []
        self.load_at_start = " ".join(f"{x:.2f}" for x in os.getloadavg())

    def close(self):
        for server in (self.vsftpd, self.sshd):
            server.stop()
        self.bus_process.terminate()
        self.bus_process.wait(10)
        shutil.rmtree(self.base, ignore_errors=True)

    def x_display(self):
        raise RuntimeError("the WAN benchmark runs headless")

    def server(self, protocol):
        return self.sshd if protocol == "SFTP" else self.vsftpd

    def tree(self, name, folders, files, size):
        root = os.path.join(self.base, "trees", name)
        if not os.path.isdir(root):
            payload = os.urandom(size) if size <= 1 * MIB else b""
            for i in range(files):
                write_file(os.path.join(root, f"folder{i % folders:02d}", f"file{i:05d}.jpg"), size, payload)
        return root

    def workload(self, name):
        folders, files, size = WORKLOADS[name]
        if name == "W4" and self.args.quick:
            size = 128 * MIB
        return self.tree(f"{name}-{size}", folders, files, size), files, files * size

    # -- one run of one client

    def command(self, client, protocol, local, remote):
        """The peer's command line and environment."""
        who, setting = client.split()
        server = self.server(protocol)
        if who == "lftp":
            parallel = "--parallel=5 " if setting == "x5" else ""
            if protocol == "SFTP":
                ssh = (f"ssh -a -x -i {server.client_key} -o StrictHostKeyChecking=no "
                       "-o UserKnownHostsFile=/dev/null -o LogLevel=ERROR")
                script = (f'set sftp:connect-program "{ssh}"; '
                          f"open -u {server.user}, sftp://{CLIENT_ADDRESS}:{server.port}; "
                          f"mirror -R {parallel}{local} {remote}; quit")
            else:
                tls = ("set ftp:ssl-force true; set ftp:ssl-protect-data true; "
                       f"set ssl:ca-file {self.ca_bundle}; set ssl:priority NORMAL:-VERS-TLS1.3; "
                       if protocol == "FTPS" else "set ftp:ssl-allow false; ")
                script = (f"{tls}set ftp:passive-mode true; open -u anonymous,bench@example.com "
                          f"ftp://{CLIENT_ADDRESS}:{server.port}; mirror -R {parallel}{local} {remote}; quit")
            return ["lftp", "-c", script], None
        env = dict(os.environ)
        if protocol == "SFTP":
            env.update({"RCLONE_SFTP_HOST": CLIENT_ADDRESS, "RCLONE_SFTP_PORT": str(server.port),
                        "RCLONE_SFTP_USER": server.user, "RCLONE_SFTP_KEY_FILE": server.client_key})
            target = f":sftp:{remote}"
        else:
            env.update({"RCLONE_FTP_HOST": CLIENT_ADDRESS, "RCLONE_FTP_PORT": str(server.port),
                        "RCLONE_FTP_USER": "anonymous", "RCLONE_FTP_PASS": self.rclone_pass,
                        "RCLONE_FTP_EXPLICIT_TLS": "true" if protocol == "FTPS" else "false",
                        # TLS 1.2, as for the others (with 1.3 vsftpd refuses Go's resumed data sessions).
                        "RCLONE_FTP_DISABLE_TLS13": "true",
                        # rclone's setting for vsftpd, which sets dates by MDTM rather than MFMT.
                        "RCLONE_FTP_WRITING_MDTM": "true",
                        "SSL_CERT_FILE": self.ca_bundle})
            target = f":ftp:{remote}"
        transfers = ["--transfers", "5"] if setting == "x5" else []
        return ["rclone", "--config", self.rclone_config, "--retries", "1", "copy", *transfers, local, target], env

    def run_peer(self, client, protocol, local, timeout):
        server = self.server(protocol)
        server_dir, remote = server.reset()
        expected = expected_files(local)
        arguments, env = self.command(client, protocol, local, remote)
        begin = time.monotonic()
        before = os.times()
        process = subprocess.Popen(arguments, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                   text=True)
        first = []
        done = wait_until_uploaded(server_dir, expected, timeout, poll=0.02, first_seen=first,
                                   alive=lambda: process.poll() is None)
        if done is None and process.poll() is not None:
            # It ended between two looks (rclone also exits with an error for dates it could not set).
            done = wait_until_uploaded(server_dir, expected, 0.5, poll=0.02, first_seen=first)
        try:
            _, stderr = process.communicate(timeout=30)
        except subprocess.TimeoutExpired:
            process.kill()
            _, stderr = process.communicate()
        after = os.times()
        if done is None:
            return (f"not done within {timeout:.0f} s ({count_complete(server_dir, expected)} of "
                    f"{len(expected)} files complete); it said: {stderr.strip()[-300:]!r}")
        return {"seconds": done - begin, "upload": done - first[0],
                "cpu": (after.children_user + after.children_system) -
                (before.children_user + before.children_system)}

    def run_ondrix(self, protocol, local, timeout, parallel=5):
        server = self.server(protocol)
        server_dir, remote = server.reset()
        if protocol == "SFTP":
            conn = connection_json("Bench", "SFTP", server.port, server.user, server.client_key, local, remote,
                                   parallel, 1)
        else:
            conn = connection_json("Bench", protocol, server.port, "anonymous", "", local, remote, parallel, 1)
        conn["host"] = CLIENT_ADDRESS
        expected = expected_files(local)
        run = OndrixRun(self, [conn])
        run.start()
        first = []
        done = wait_until_uploaded(server_dir, expected, timeout, poll=0.02, first_seen=first,
                                   alive=lambda: run.process.poll() is None)
        exit_code = run.process.poll()
        cpu = run.cpu_seconds() if exit_code is None else None
        errors = run.errors()
        run.stop()
        if done is None:
            why = f"exited with {exit_code}" if exit_code is not None else f"not done within {timeout:.0f} s"
            return (f"{why} ({count_complete(server_dir, expected)} of {len(expected)} files complete); "
                    f"its first errors: {errors or 'none logged'}")
        return {"seconds": done - run.started, "upload": done - first[0], "cpu": cpu}

    def run(self, client, protocol, local, link, timeout, parallel=5):
        relay = Relay(link, self.server(protocol).ports())
        try:
            if client.startswith("ondrix"):
                result = self.run_ondrix(protocol, local, timeout, parallel)
            else:
                result = self.run_peer(client, protocol, local, timeout)
        finally:
            counts = relay.stop()
        if isinstance(result, dict):
            result["relay"] = counts
        return result

    # -- the parts

    def timeout(self, link, count, size):
        """Generous: three times the link's time for the bytes, and a dozen round trips a file one at a time."""
        rtt, mbit = LINKS[link]
        return 120 + (3 * size * 8 / (mbit * 1e6) if mbit else 0) + count * 12 * rtt / 1000

    def transfers(self):
        for name in self.args.workloads:
            local, count, size = self.workload(name)
            for link in self.args.links:
                for protocol in self.args.protocols:
                    for i in range(self.args.repeat):
                        # Each repeat starts with another client, so a slow spell of the machine favours none.
                        clients = self.args.clients[i % len(self.args.clients):] + \
                            self.args.clients[:i % len(self.args.clients)]
                        for client in clients:
                            label = f"{name} {link} {protocol} {client}"
                            print(f"  {label} run {i + 1} ...", file=sys.stderr, flush=True)
                            result = self.run(client, protocol, local, link, self.timeout(link, count, size))
                            if isinstance(result, str):
                                self.failures.append(f"{label} run {i + 1}: {result}")
                                print("    failed: " + result, file=sys.stderr, flush=True)
                                result = None
                            self.results.setdefault((name, link, protocol, client), []).append(result)
                    self.print_rows(name, link, protocol, count, size)

    def round_trips(self):
        """Turns per small FTP file after the first of a folder, one transfer at a time."""
        many = self.tree("rtt-51", 1, 51, 16 * KIB)
        one = self.tree("rtt-1", 1, 1, 16 * KIB)
        self.rtt_results = {}
        for client in ("ondrix x1", "lftp default", "rclone x1"):
            turns = {}
            for local, count in ((one, 1), (many, 51)):
                print(f"  round trips {client} {count} file(s) ...", file=sys.stderr, flush=True)
                if client == "ondrix x1":
                    result = self.run(client, "FTP", local, "50ms", 300, parallel=1)
                elif client == "rclone x1":
                    result = self.run_rclone_single(local)
                else:
                    result = self.run(client, "FTP", local, "50ms", 300)
                if isinstance(result, str):
                    self.failures.append(f"round trips {client} {count}: {result}")
                    break
                turns[count] = result["relay"]
            if len(turns) == 2:
                connections = (turns[51]["connections"] - turns[1]["connections"]) / 50
                self.rtt_results[client] = ((turns[51]["turns"] - turns[1]["turns"]) / 50 + connections,
                                            connections)

    def run_rclone_single(self, local):
        relay = Relay("50ms", self.vsftpd.ports())
        try:
            server_dir, remote = self.vsftpd.reset()
            arguments, env = self.command("rclone x5", "FTP", local, remote)
            arguments[arguments.index("--transfers") + 1] = "1"
            arguments[arguments.index("copy") + 1:arguments.index("copy") + 1] = ["--checkers", "1"]
            subprocess.run(arguments, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
        finally:
            counts = relay.stop()
        return {"relay": counts}

    def cpu(self):
        local, count, _ = self.workload("W1")
        self.cpu_results = {}
        for client in ("ondrix x5", "lftp x5", "rclone x5"):
            figures = []
            for i in range(self.args.repeat):
                print(f"  cpu {client} run {i + 1} ...", file=sys.stderr, flush=True)
                result = self.run(client, "FTP", local, "lan", 300)
                if isinstance(result, str):
                    self.failures.append(f"cpu {client} run {i + 1}: {result}")
                    continue
                figures.append(result["cpu"] * 1000 / count)
            self.cpu_results[client] = statistics.median(figures) if figures else None

    # -- the report

    def medians(self, key):
        runs = [r for r in self.results.get(key, []) if r]
        if not runs:
            return None
        return {k: statistics.median(r[k] for r in runs if r[k] is not None)
                for k in ("seconds", "upload", "cpu") if any(r[k] is not None for r in runs)}

    def row_lines(self, name, link, protocol, count, size):
        lines = []
        figures = {c: self.medians((name, link, protocol, c)) for c in self.args.clients}
        peers = [figures[c]["upload"] for c in self.args.clients if not c.startswith("ondrix") and figures[c]]
        best = min(peers) if peers else None
        for client in self.args.clients:
            f = figures[client]
            if not f:
                lines.append(f"{name:<4}{link:<7}{protocol:<6}{client:<16}{'failed':>9}")
                continue
            rate = size * 8 / f["upload"] / 1e6
            ratio = best / f["upload"] if best else None
            lines.append(f"{name:<4}{link:<7}{protocol:<6}{client:<16}{f['seconds']:>9.2f}{f['upload']:>9.2f}"
                         f"{count / f['upload']:>9.1f}{rate:>9.1f}{f.get('cpu', float('nan')):>7.2f}"
                         f"{(f'{ratio:.2f}' if ratio else '-'):>8}")
        return lines

    def print_rows(self, name, link, protocol, count, size):
        print("\n".join(self.row_lines(name, link, protocol, count, size)), flush=True)

    def loopback(self, only):
        """The rows the engine benchmark measures on loopback, with its servers and its bus."""
        args = argparse.Namespace(ondrix=self.ondrix, quick=self.args.quick, timeout=180, wire=False, profile=None,
                                  ca_bundle="test", repeat=self.args.repeat, workloads="W1", protocols="FTP",
                                  parallel=[5], small_files=1000, large_mib=64,
                                  idle_seconds=20 if self.args.quick else 60, tray_seconds=10)
        self.engine = engine_bench.Bench(args)
        try:
            if "w1" in only:
                self.engine.throughput()
            if "idle" in only:
                print("  idle 10000 with the tray icon shown ...", file=sys.stderr, flush=True)
                self.engine.idle_results = [(10000, self.engine.idle(10000, interface=True))]
                print("  idle 100000 ...", file=sys.stderr, flush=True)
                self.engine.idle_results.append((100000, self.engine.idle(100000)))
            if "tray" in only:
                print("  tray ...", file=sys.stderr, flush=True)
                self.engine.tray()
            if "archive" in only:
                print("  archive ...", file=sys.stderr, flush=True)
                self.engine.archive()
        finally:
            self.engine.close()

    def report(self):
        rtt = {k: LINKS[k] for k in self.args.links}
        lines = ["", f"Over the relay ({', '.join(f'{k}: RTT {v[0]} ms, {v[1]} Mbit/s' for k, v in rtt.items())}),"
                 f" median of {self.args.repeat} run(s).",
                 "total: from the client's start until the last file is on the server; upload: from the first "
                 "file appearing there. ratio: the best peer's upload time / this one's (ondrix >= 1.2 wanted).",
                 f"Load average at the start: {self.load_at_start}, at the end: "
                 f"{' '.join(f'{x:.2f}' for x in os.getloadavg())} (2 cores, shared)",
                 f"{'':<4}{'link':<7}{'proto':<6}{'client':<16}{'total s':>9}{'upload s':>9}{'files/s':>9}"
                 f"{'Mbit/s':>9}{'cpu s':>7}{'ratio':>8}"]
        targets = []
        for name in self.args.workloads:
            _, count, size = self.workload(name)
            for link in self.args.links:
                for protocol in self.args.protocols:
                    if (name, link, protocol, self.args.clients[0]) not in self.results:
                        continue
                    lines += self.row_lines(name, link, protocol, count, size)
                    ours = self.medians((name, link, protocol, "ondrix x5"))
                    if not ours:
                        targets.append((f"{name} {link} {protocol}", "failed", "", "MISS"))
                        continue
                    if name == "W4":
                        share = size * 8 / ours["upload"] / 1e6 / LINKS[link][1]
                        targets.append((f"{name} {link} {protocol} share of the link", f"{share:.2f}", ">= 0.95",
                                        "ok" if share >= 0.95 else "MISS"))
                    else:
                        peers = [(self.medians((name, link, protocol, c)) or {}).get("upload")
                                 for c in self.args.clients if not c.startswith("ondrix")]
                        peers = [p for p in peers if p]
                        if peers:
                            ratio = min(peers) / ours["upload"]
                            targets.append((f"{name} {link} {protocol} / best peer", f"{ratio:.2f}", ">= 1.20",
                                            "ok" if ratio >= 1.2 else "MISS"))
        for client, (turns, connections) in getattr(self, "rtt_results", {}).items():
            lines.append(f"\nRound trips per small FTP file after the first of a folder, {client}: {turns:.2f} "
                         f"(of them connections opened: {connections:.2f})")
            if client.startswith("ondrix"):
                peers = ", ".join(f"{c} {t:.2f}" for c, (t, _) in self.rtt_results.items() if c != client)
                targets.append(("FTP round trips per small file", f"{turns:.2f} ({peers})", "<= 3",
                                "ok" if turns <= 3 else "MISS"))
        cpu = getattr(self, "cpu_results", {})
        if cpu:
            lines.append("\nCPU s per 1000 files of 16 KiB, FTP x5, no delay: " +
                         ", ".join(f"{c} {v:.2f}" if v else f"{c} -" for c, v in cpu.items()))
            ours, lftp = cpu.get("ondrix x5"), cpu.get("lftp x5")
            if ours and lftp:
                targets.append(("CPU per 1000 small files / lftp", f"{ours / lftp:.2f}", "<= 1.20",
                                "ok" if ours / lftp <= 1.2 else "MISS"))
        engine = getattr(self, "engine", None)
        if engine:
            lines += ["", "On loopback, without the relay (bench/engine_bench.py):"] + engine.report_lines()
            targets += [row for row in engine.target_rows()
                        if not row[0].startswith("idle 100000 files:") or "main-thread" in row[0]]
        if targets:
            width = max(len(t[0]) for t in targets) + 2
            lines += ["", "Targets (same run)"]
            lines += [f"{t[0]:<{width}}{t[1]:>30}  {t[2]:<10}{t[3]:>5}" for t in targets]
        failures = self.failures + (engine.failures if engine else [])
        if failures:
            lines += ["", "Failed runs (left out of the medians):"] + ["  " + f for f in failures]
        print("\n".join(lines), flush=True)


def ensure_rclone():
    if shutil.which("rclone"):
        return
    print("  installing rclone (Debian package) for the comparison ...", file=sys.stderr, flush=True)
    subprocess.run(["apt-get", "install", "-y", "-q", "rclone"], check=True, stdout=subprocess.DEVNULL)


def estimate_minutes(args):
    """Roughly: the link's time for the bytes, or some four round trips a file per transfer, whichever is more."""
    transfers = {"ondrix x5": 5, "lftp x5": 5, "rclone x5": 5, "lftp default": 1, "rclone default": 4}
    seconds = 0.0
    for name in args.workloads:
        folders, files, size = WORKLOADS[name]
        if name == "W4" and args.quick:
            size = 128 * MIB
        for link in args.links:
            rtt, mbit = LINKS[link]
            for client in args.clients:
                transfer = max(files * size * 8 / (mbit * 1e6) if mbit else 0,
                               files * 4 * rtt / 1000 / transfers.get(client, 1))
                seconds += (transfer + 10) * len(args.protocols) * args.repeat
    return seconds / 60


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--ondrix", required=True, help="the ondrix binary (a release build)")
    parser.add_argument("--quick", action="store_true", help="W4 of 128 MiB and one run per row")
    parser.add_argument("--only", default="transfers,rtt,cpu,w1,idle,tray,archive",
                        help="parts to run: transfers, rtt, cpu, w1, idle, tray, archive")
    parser.add_argument("--workloads", default="W3,W4,W5")
    parser.add_argument("--links", default="50ms,150ms", help="50ms (100 Mbit/s), 150ms (20 Mbit/s), lan")
    parser.add_argument("--protocols", default="FTP,FTPS,SFTP")
    parser.add_argument("--clients", default=",".join(CLIENTS),
                        help="comma-separated, of: " + ", ".join(CLIENTS))
    parser.add_argument("--repeat", type=int, default=None, help="runs per row (3; 1 with --quick)")
    args = parser.parse_args()
    args.repeat = args.repeat or (1 if args.quick else 3)
    for name in ("workloads", "links", "protocols", "clients"):
        setattr(args, name, [x.strip() for x in getattr(args, name).split(",") if x.strip()])
    args.protocols = [p.upper() for p in args.protocols]
    args.workloads = [w.upper() for w in args.workloads]
    if os.geteuid() != 0:
        sys.exit("run as root: vsftpd and sshd run with their own configuration here")
    for tool in ("vsftpd", "lftp", "dbus-daemon"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing: run scripts/install-deps.sh")
    ensure_rclone()
    only = set(args.only.split(","))
    if "transfers" in only:
        print(f"  transfers: about {estimate_minutes(args):.0f} minutes", file=sys.stderr, flush=True)
    for link in args.links:
        rtt, mbit = LINKS[link]
        if mbit:
            check = subprocess.run(["nice", "-n", "-15", sys.executable, os.path.join(BENCH_DIR, "wan_relay.py"),
                                    "--self-check", "--rtt-ms", str(rtt), "--mbit", str(mbit), "--check-mib",
                                    "16"], capture_output=True, text=True)
            print(f"relay self-check {link}:\n" + check.stdout.rstrip(), flush=True)
    bench = Bench(args)
    try:
        if "transfers" in only:
            bench.transfers()
        if "rtt" in only:
            bench.round_trips()
        if "cpu" in only:
            bench.cpu()
        if only & {"w1", "idle", "tray", "archive"}:
            bench.loopback(only)
        bench.report()
    finally:
        bench.close()


if __name__ == "__main__":
    main()
