#!/usr/bin/env python3
"""A user-space stand-in for a wide-area link, for benchmarks on a kernel without netem.

Relays TCP from a listening loopback address to a target loopback address, adding a fixed one-way delay and a
rate limit to each direction. One relay process can carry several ports: an FTP server's control port and its
whole passive range (the server tells clients the relay's address as its passive address), or an SSH port.

    wan_relay.py --rtt-ms 50 --mbit 100 --listen 127.0.0.2 --target 127.0.0.1 --ports 2121 --ports 40000-40049
    wan_relay.py --self-check --rtt-ms 50 --mbit 100      # measures what the relay really gives

The link model: bytes are serialised at the rate (the link is busy for len/rate per chunk) and arrive one delay
later. The rate is the whole link's: all connections a relay carries share it per direction, first come first
served, so parallel connections split the link instead of each getting one of its own. Each direction of a
connection queues at most one bandwidth-delay product plus 256 KiB; beyond that the relay stops reading, so
TCP flow control reaches the sender as it would over a real link. A new connection carries nothing for one
round trip, the time a TCP handshake takes over the link (the relay itself accepts at once on loopback). Only loopback addresses are
accepted: the relay never sends anywhere else. Connections a direction carries are counted (round trips on a
control connection are counted as turns: a client-to-server chunk after server-to-client bytes) and printed at
exit when --stats is given.
"""

import argparse
import asyncio
import ipaddress
import signal
import socket
import statistics
import sys
import time

CHUNK = 64 * 1024
# The event loop wakes a timer up to about a millisecond late (epoll's timeout is rounded up to whole
# milliseconds); that is taken off each direction's delay, which the self-check confirms.
TIMER_LATENESS = 0.001


def loopback(address):
    if not ipaddress.ip_address(address).is_loopback:
        raise SystemExit(f"wan_relay: {address} is not a loopback address")
    return address


def port_list(items):
    ports = []
    for item in items:
        first, _, last = item.partition("-")
        ports.extend(range(int(first), int(last or first) + 1))
    return ports


class Wire:
    """One direction of the link, shared by every connection: when it is next free to carry a byte."""

    def __init__(self, rate):
        self.rate = rate  # bytes per second; 0 means unlimited
        self.free_at = 0.0

    def carry(self, now, size):
        """Books `size` bytes onto the wire; returns when the last of them has left."""
        self.free_at = max(self.free_at, now) + (size / self.rate if self.rate else 0.0)
        return self.free_at


class Link:
    """One direction of one connection: a paced, delayed pipe between two streams."""

    def __init__(self, delay, wire, stats):
        self.delay = delay
        self.wire = wire
        self.queue_limit = int(wire.rate * delay) + 256 * 1024 if wire.rate else 4 * 1024 * 1024
        self.stats = stats

    async def pump(self, reader, writer, on_chunk=None):
        queue = asyncio.Queue()
        room = asyncio.Semaphore(max(1, self.queue_limit // CHUNK))
        loop = asyncio.get_running_loop()

        async def send():
            while True:
                due, data = await queue.get()
                if data is None:
                    break
                wait = due - loop.time()
                if wait > 0:
                    await asyncio.sleep(wait)
                writer.write(data)
                await writer.drain()
                room.release()
            if writer.can_write_eof():
                writer.write_eof()

        sender = asyncio.create_task(send())
        try:
            while True:
                await room.acquire()
                data = await reader.read(CHUNK)
                if not data:
                    break
                if on_chunk:
                    on_chunk()
                self.stats["bytes"] += len(data)
                await queue.put((self.wire.carry(loop.time(), len(data)) + self.delay, data))
        except (ConnectionError, OSError):
            pass
        await queue.put((0.0, None))
        try:
            await sender
        except (ConnectionError, OSError):
            pass


class Relay:
    def __init__(self, args):
        self.delay = max(0.0, args.rtt_ms / 2000.0 - TIMER_LATENESS)
        self.rate = args.mbit * 1_000_000 / 8 if args.mbit else 0
        self.handshake = args.rtt_ms / 1000.0
        self.target = loopback(args.target)
        self.wires = {"up": Wire(self.rate), "down": Wire(self.rate)}
        self.stats = {"connections": 0, "turns": 0, "up": {"bytes": 0}, "down": {"bytes": 0}}

    async def serve(self, reader, writer, port):
        self.stats["connections"] += 1
        # What the client sends meanwhile waits in the socket, as it would wait for the handshake.
        await asyncio.sleep(self.handshake)
        try:
            up_reader, up_writer = await asyncio.open_connection(self.target, port)
        except OSError:
            writer.close()
            return
        last = {"direction": None}

        def turn(direction):
            def note():
                if direction == "up" and last["direction"] == "down":
                    self.stats["turns"] += 1
                last["direction"] = direction
            return note

        up = Link(self.delay, self.wires["up"], self.stats["up"])
        down = Link(self.delay, self.wires["down"], self.stats["down"])
        await asyncio.gather(up.pump(reader, up_writer, turn("up")), down.pump(up_reader, writer, turn("down")))
        for w in (writer, up_writer):
            w.close()

    async def start(self, listen, ports):
        servers = []
        for port in ports:
            servers.append(await asyncio.start_server(
                lambda r, w, p=port: self.serve(r, w, p), loopback(listen), port, reuse_address=True))
        return servers


async def echo_server(reader, writer):
    while data := await reader.read(CHUNK):
        writer.write(data)
        await writer.drain()
    writer.close()


async def sink_server(reader, writer):
    total = 0
    while data := await reader.read(CHUNK):
        total += len(data)
    writer.write(str(total).encode())
    await writer.drain()
    writer.close()


def free_port(address):
    with socket.socket() as s:
        s.bind((address, 0))
        return s.getsockname()[1]


async def self_check(args):
    """Prints the round trip of small messages and the rate of one bulk transfer through the relay."""
    target, listen = "127.0.0.1", args.listen
    echo_port, sink_port = free_port(target), free_port(target)
    await asyncio.start_server(echo_server, target, echo_port)
    await asyncio.start_server(sink_server, target, sink_port)
    relay = Relay(args)
    await relay.start(listen, [echo_port, sink_port])

    reader, writer = await asyncio.open_connection(listen, echo_port)
    rtts = []
    writer.write(b"x")  # waits out the handshake's round trip
    await writer.drain()
    await reader.readexactly(1)
    for _ in range(20):
        start = time.monotonic()
        writer.write(b"x")
        await writer.drain()
        await reader.readexactly(1)
        rtts.append((time.monotonic() - start) * 1000)
    writer.close()

    size = args.check_mib * 1024 * 1024
    reader, writer = await asyncio.open_connection(listen, sink_port)
    block = b"\0" * CHUNK
    start = time.monotonic()
    for _ in range(size // CHUNK):
        writer.write(block)
        await writer.drain()
    writer.write_eof()
    received = int(await reader.read())
    # The handshake's round trip, the last byte's trip and the answer's.
    elapsed = time.monotonic() - start - 2 * args.rtt_ms / 1000.0
    writer.close()
    rate = received * 8 / elapsed / 1e6
    rtt = statistics.median(rtts)
    rtt_ok = abs(rtt - args.rtt_ms) <= 2
    rate_ok = not args.mbit or abs(rate - args.mbit) <= 0.05 * args.mbit
    print(f"round trip  median {rtt:7.2f} ms (min {min(rtts):.2f}, max {max(rtts):.2f})  "
          f"target {args.rtt_ms} ± 2 ms  {'ok' if rtt_ok else 'OUT OF RANGE'}")
    print(f"bulk rate   {rate:7.2f} Mbit/s over {received // (1024 * 1024)} MiB  "
          f"target {args.mbit or 'unlimited'} ± 5 %  {'ok' if rate_ok else 'OUT OF RANGE'}")
    return 0 if rtt_ok and rate_ok else 1


async def run(args):
    relay = Relay(args)
    servers = await relay.start(args.listen, port_list(args.ports))
    stop = asyncio.Event()
    loop = asyncio.get_running_loop()
    for sig in (signal.SIGINT, signal.SIGTERM):
        loop.add_signal_handler(sig, stop.set)
    print("ready", flush=True)
    await stop.wait()
    for server in servers:
        server.close()
    if args.stats:
        s = relay.stats
        print(f"connections={s['connections']} turns={s['turns']} "
              f"up_bytes={s['up']['bytes']} down_bytes={s['down']['bytes']}", flush=True)
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--rtt-ms", type=float, default=50.0, help="round-trip time the relay adds")
    parser.add_argument("--mbit", type=float, default=100.0, help="rate per direction in Mbit/s (0: unlimited)")
    parser.add_argument("--listen", default="127.0.0.2", help="loopback address the relay listens on")
    parser.add_argument("--target", default="127.0.0.1", help="loopback address of the real server")
    parser.add_argument("--ports", action="append", default=[], help="a port or a range a-b; repeatable")
    parser.add_argument("--stats", action="store_true", help="print connection and turn counts at exit")
    parser.add_argument("--self-check", action="store_true", help="measure the relay's round trip and rate")
    parser.add_argument("--check-mib", type=int, default=64, help="size of the self-check's bulk transfer")
    args = parser.parse_args()
    if args.self_check:
        return asyncio.run(self_check(args))
    if not args.ports:
        parser.error("--ports is required")
    return asyncio.run(run(args))


if __name__ == "__main__":
    sys.exit(main())
