#!/usr/bin/python3
"""Kills the FTP server or the headless application with SIGKILL at random moments while files upload in
delete-after-upload mode, restarts what was killed, and checks afterwards that no file was lost (each is
still in the watched folder, or complete with the same checksum on the server) and that an unchanged restart
uploads nothing again.

    kill_test.py --ondrix build/debug/src/app/ondrix [--rounds 30] [--seed N]
"""

import argparse
import hashlib
import json
import os
import random
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time
import uuid

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SERVERS = os.path.join(SOURCE_DIR, "tests", "support", "servers")
CERTS = os.path.join(SOURCE_DIR, "tests", "support", "certs")
SCHEMA = """
CREATE TABLE IF NOT EXISTS preferences (key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value);
CREATE TABLE IF NOT EXISTS dictionary_entries (key TEXT NOT NULL, entry TEXT NOT NULL, value REAL NOT NULL,
    PRIMARY KEY (key, entry)) WITHOUT ROWID;
"""


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest()


class Server:
    """One of the test servers (FTP, explicit FTPS or SFTP) on a loopback port that stays the same across
    restarts. Each upload that ends, whole or cut, appends the bytes it received to `received_log`."""

    def __init__(self, base, protocol="FTP"):
        self.protocol = protocol
        self.root = os.path.join(base, "server")
        os.makedirs(self.root)
        self.received_log = os.path.join(base, "received.log")
        self.port = 0
        self.process = None

    def command(self):
        arguments = ["--root", self.root, "--user", "ondrix", "--password", "secret", "--port", str(self.port),
                     "--received-log", self.received_log]
        if self.protocol == "SFTP":
            return ["/usr/bin/python3", os.path.join(SERVERS, "sftp_server.py"), *arguments,
                    "--host-key", os.path.join(CERTS, "ssh_host_key_a")]
        if self.protocol == "FTPS":
            arguments += ["--tls", "--cert", os.path.join(CERTS, "server.pem"),
                          "--key", os.path.join(CERTS, "server.key")]
        return ["/usr/bin/python3", os.path.join(SERVERS, "ftp_server.py"), *arguments,
                "--log", os.path.join(self.root, "..", "ftp.log")]

    def start(self):
        self.process = subprocess.Popen(self.command(), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True)
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            line = self.process.stdout.readline()
            if line.startswith("READY"):
                self.port = int(line.split()[1])
                return
            if self.process.poll() is not None:
                time.sleep(0.3)  # the port may still be held by the killed server
                return self.start()
        raise RuntimeError("the %s server did not start" % self.protocol)

    def kill(self):
        self.process.kill()
        self.process.wait()

    def received(self):
        """The bytes each finished or cut upload received, oldest first."""
        try:
            with open(self.received_log) as f:
                return [int(line.split()[1]) for line in f if line.strip()]
        except FileNotFoundError:
            return []


class Ondrix:
    def __init__(self, binary, base, bus):
        self.binary = binary
        self.home = os.path.join(base, "home")
        self.env = dict(os.environ)
        for name, sub in (("HOME", ""), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                          ("XDG_STATE_HOME", "state"), ("XDG_CACHE_HOME", "cache"),
                          ("XDG_RUNTIME_DIR", "run")):
            path = os.path.join(self.home, sub)
            os.makedirs(path, exist_ok=True)
            self.env[name] = path
        os.chmod(self.env["XDG_RUNTIME_DIR"], 0o700)
        self.env.update({"DBUS_SESSION_BUS_ADDRESS": bus, "DBUS_SYSTEM_BUS_ADDRESS": bus,
                         "ASAN_OPTIONS": "detect_leaks=0",
                         "SSL_CERT_FILE": os.path.join(CERTS, "ca.pem"), "CURL_CA_BUNDLE": ""})
        for name in ("DISPLAY", "WAYLAND_DISPLAY"):
            self.env.pop(name, None)
        self.process = None
        self.runs = 0

    def configure(self, connection):
        store = os.path.join(self.env["XDG_CONFIG_HOME"], "Ondrix", "preferences.sqlite")
        os.makedirs(os.path.dirname(store), exist_ok=True)
        db = sqlite3.connect(store)
        db.executescript(SCHEMA)
        db.execute("INSERT OR REPLACE INTO preferences VALUES ('push_connections', 'data', ?)",
                   (json.dumps([connection]).encode(),))
        # The low-disk pause follows the machine's free space, which is not this test's subject.
        db.execute("INSERT OR REPLACE INTO preferences VALUES ('disk_space_warning', 'bool', 0)")
        db.commit()
        db.execute("PRAGMA user_version = 1")
        db.close()

    def start(self):
        self.runs += 1
        self.log = os.path.join(self.home, "stderr-%d" % self.runs)
        self.process = subprocess.Popen([self.binary, "--headless"], env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=open(self.log, "w"))

    def kill(self):
        self.process.kill()
        self.process.wait()

    def terminate(self):
        self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(60)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def lines(self):
        with open(self.log, errors="replace") as f:
            return f.read().splitlines()


def connection(local, port, **overrides):
    """A connection to one of the Server()s; `overrides` replace its fields."""
    return {"id": str(uuid.uuid4()).upper(), "name": "Kill", "isEnabled": True, "transferProtocol": "FTP",
            "host": "127.0.0.1", "port": port, "username": "ondrix", "password": "secret", "sshKeyPath": "",
            "ftpMode": "Passive", "localFolder": local, "remoteFolder": "/",
            "preserveSubdirectories": True, "monitorSubdirectories": True, "deleteLocalAfterUpload": True,
            "conflictResolution": "Overwrite", "simultaneousUploads": 2, "stabilityCheckSeconds": 1,
            "maxBandwidthKBps": 0, "extensionPreset": "", "includedExtensions": "", "excludedExtensions": "",
            "minFileSizeBytes": 0, "downloadUnspecifiedExtensions": True, "scheduleEnabled": False,
            "scheduleStartHour": 9, "scheduleEndHour": 18, "scheduleDays": [1, 2, 3, 4, 5],
            "postUploadAction": {"type": "none"}, "iptcEnabled": False, "iptcKeywords": [],
            "finderTagsEnabled": False, **overrides}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--ondrix", required=True)
    parser.add_argument("--rounds", type=int, default=30)
    parser.add_argument("--seed", type=int, default=int(time.time()))
    args = parser.parse_args()
    rng = random.Random(args.seed)
    print("seed %d, %d rounds" % (args.seed, args.rounds), flush=True)

    base = tempfile.mkdtemp(prefix="ondrix-kill-")
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    server = ondrix = None
    try:
        address = bus.stdout.readline().strip()
        local = os.path.join(base, "watched")
        os.makedirs(local)
        server = Server(base)
        server.start()
        ondrix = Ondrix(args.ondrix, base, address)
        ondrix.configure(connection(local, server.port))

        expected = {}
        serial = 0

        def add_files(count):
            nonlocal serial
            for _ in range(count):
                serial += 1
                name = "shot-%04d.raw" % serial
                path = os.path.join(local, "day-%d" % (serial % 3), name)
                os.makedirs(os.path.dirname(path), exist_ok=True)
                size = rng.choice([20 * 1024, 300 * 1024, 2 * 1024 * 1024, 6 * 1024 * 1024])
                with open(path, "wb") as f:
                    f.write(os.urandom(size))
                expected[os.path.relpath(path, local)] = sha256(path)

        add_files(6)
        ondrix.start()
        for round_number in range(args.rounds):
            time.sleep(rng.uniform(0.2, 2.0))
            if rng.random() < 0.5:
                ondrix.kill()
                time.sleep(rng.uniform(0.0, 0.5))
                ondrix.start()
                victim = "ondrix"
            else:
                server.kill()
                time.sleep(rng.uniform(0.2, 1.5))
                server.start()
                victim = "server"
            if round_number % 3 == 2:
                add_files(2)
            print("round %d: killed %s" % (round_number + 1, victim), flush=True)

        # Let everything settle: every file uploaded and deleted, or still waiting locally.
        deadline = time.monotonic() + 90
        while time.monotonic() < deadline:
            left = [name for name in expected if os.path.exists(os.path.join(local, name))]
            if not left:
                break
            time.sleep(0.5)
        ondrix.terminate()

        lost = []
        for name, digest in expected.items():
            here = os.path.join(local, name)
            there = os.path.join(server.root, name)
            if os.path.exists(here) and sha256(here) == digest:
                continue
            if os.path.exists(there) and sha256(there) == digest:
                continue
            lost.append(name)
        left = [name for name in expected if os.path.exists(os.path.join(local, name))]

        # An unchanged restart sends nothing again.
        ondrix.start()
        time.sleep(5)
        ondrix.terminate()
        again = [line for line in ondrix.lines() if " ✓ " in line]

        print("%d files, %d still local, %d lost, %d uploaded again after a restart"
              % (len(expected), len(left), len(lost), len(again)), flush=True)
        if left:
            print("\n".join(ondrix.lines()[-15:]))
        for name in lost:
            print("LOST " + name)
        for line in again:
            print("AGAIN " + line)
        return 1 if lost or again else 0
    finally:
        for process in (ondrix.process if ondrix else None, server.process if server else None, bus):
            if process and process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(base, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
