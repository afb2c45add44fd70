#!/usr/bin/python3
"""Cuts a large capped upload at about half by killing the server or the application with SIGKILL, starts what
was killed again, and checks that the upload went on from the bytes the server held: after the cut the server
receives at most 55 % of the file (counted on the server's side), and it ends up holding the file byte for byte.
Over FTP, explicit FTPS and SFTP, with and without temporary names.

    resume_test.py --ondrix build/debug/src/app/ondrix [--mib 48 | --full] [--only FTPS]
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

from kill_test import Ondrix, Server, connection, sha256

MIB = 1024 * 1024
CAP_KIB_PER_S = 20 * 1024

# Protocol, what is killed, whether the upload goes to a temporary name first.
CASES = [
    ("FTP", "server", True),
    ("FTP", "ondrix", False),
    ("FTPS", "server", False),
    ("FTPS", "ondrix", True),
    ("SFTP", "server", True),
    ("SFTP", "ondrix", False),
]


def size_of(path):
    try:
        return os.path.getsize(path)
    except OSError:
        return -1


def wait_for(condition, seconds, what):
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError("not within %d s: %s" % (seconds, what))
        time.sleep(0.02)


def run_case(binary, bus, source, protocol, victim, temporary):
    """Returns what the server held at the cut and what it received afterwards, in bytes."""
    base = tempfile.mkdtemp(prefix="ondrix-resume-")
    server = ondrix = None
    try:
        local = os.path.join(base, "watched")
        os.makedirs(local)
        os.link(source, os.path.join(local, "clip.mov"))
        size = os.path.getsize(source)
        server = Server(base, protocol)
        server.start()
        ondrix = Ondrix(binary, base, bus)
        ondrix.configure(connection(local, server.port, transferProtocol=protocol, deleteLocalAfterUpload=False,
                                    maxBandwidthKBps=CAP_KIB_PER_S, simultaneousUploads=1,
                                    useTemporaryName=temporary))
        ondrix.start()
        target = os.path.join(server.root, "clip.mov")
        sent_to = os.path.join(server.root, ".clip.mov.ondrix-part") if temporary else target
        wait_for(lambda: size_of(sent_to) >= size // 2, 120, "half of the file on the server")

        if victim == "server":
            server.kill()
            held = size_of(sent_to)
            server.start()
        else:
            ondrix.kill()
            # The server logs the cut upload once it sees its connection close.
            wait_for(lambda: server.received(), 15, "the server noticing the cut")
            held = size_of(sent_to)
            ondrix.start()
        cut = len(server.received())

        def done():
            return any(" ✓ " in line and "clip.mov" in line for line in ondrix.lines())

        wait_for(done, 180, "the upload finished after the restart")
        ondrix.terminate()
        after = sum(server.received()[cut:])
        lines = ondrix.lines()
        failures = []
        if sha256(target) != sha256(source):
            failures.append("the server's copy differs from the local file")
        if after > size * 55 // 100:
            failures.append("the server received %d of %d bytes after the cut (held %d)" % (after, size, held))
        if not any("Resumed at" in line for line in lines):
            failures.append("the log does not say the upload was resumed")
        if temporary and os.path.exists(sent_to):
            failures.append("the temporary file was left on the server")
        if failures:
            print("\n".join(lines[-12:]))
            raise AssertionError("; ".join(failures))
        return held, after
    finally:
        for process in (ondrix.process if ondrix else None, server.process if server else None):
            if process and process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(base, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--ondrix", required=True)
    parser.add_argument("--mib", type=int, default=48, help="size of the file")
    parser.add_argument("--full", action="store_true", help="a 200 MiB file")
    parser.add_argument("--only", help="one protocol")
    args = parser.parse_args()
    mib = 200 if args.full else args.mib

    scratch = tempfile.mkdtemp(prefix="ondrix-resume-source-")
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    failed = 0
    try:
        address = bus.stdout.readline().strip()
        source = os.path.join(scratch, "clip.mov")
        with open(source, "wb") as f:
            for _ in range(mib):
                f.write(os.urandom(MIB))
        for protocol, victim, temporary in CASES:
            if args.only and protocol != args.only.upper():
                continue
            name = "%s, %s killed, %s" % (protocol, victim,
                                          "temporary name" if temporary else "in place")
            began = time.monotonic()
            try:
                held, after = run_case(args.ondrix, address, source, protocol, victim, temporary)
                print("%-40s held %5.1f %% at the cut, received %5.1f %% after it (%.1f s)"
                      % (name, 100.0 * held / (mib * MIB), 100.0 * after / (mib * MIB), time.monotonic() - began),
                      flush=True)
            except AssertionError as e:
                failed += 1
                print("%-40s FAILED: %s" % (name, e), flush=True)
        return 1 if failed else 0
    finally:
        bus.kill()
        bus.wait()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
