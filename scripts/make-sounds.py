#!/usr/bin/python3
"""Synthesises the application's five event sounds into resources/sounds/<Name>.wav.

The sounds are our own: short tones built from sines and decays, 16 kHz mono 16-bit PCM so each file stays
small. Run it again only to change a sound; the build uses the committed files and does not need this script.
"""
import math
import os
import struct
import sys
import wave

RATE = 16000


def envelope(t, attack, decay):
    """A quick linear attack followed by an exponential decay."""
    if t < attack:
        return t / attack
    return math.exp(-(t - attack) / decay)


def glass(t):
    # A struck glass: a few inharmonic partials, the high ones fading first.
    partials = [(1568.0, 1.0, 0.30), (3920.0, 0.45, 0.12), (5960.0, 0.2, 0.06)]
    return sum(a * envelope(t, 0.002, d) * math.sin(2 * math.pi * f * t) for f, a, d in partials) / 1.6


def pop(t):
    # A bubble: a fast downward sweep, gone in a tenth of a second.
    freq_start, freq_end, length = 1100.0, 250.0, 0.09
    k = math.log(freq_end / freq_start) / length
    phase = 2 * math.pi * freq_start * (math.exp(k * t) - 1) / k
    return envelope(t, 0.003, 0.025) * math.sin(phase)


def purr(t):
    # A low rumble pulsing 24 times a second.
    tremolo = 0.55 + 0.45 * math.sin(2 * math.pi * 24 * t)
    body = math.sin(2 * math.pi * 110 * t) + 0.5 * math.sin(2 * math.pi * 220 * t)
    fade = min(1.0, t / 0.05) * min(1.0, (0.5 - t) / 0.12)
    return 0.6 * tremolo * body * max(fade, 0.0)


def ping(t):
    # A clean high tone with a long ring.
    return envelope(t, 0.002, 0.11) * (math.sin(2 * math.pi * 2093 * t) + 0.15 * math.sin(2 * math.pi * 4186 * t))


def submarine(t):
    # A sonar ping: a mid tone with a soft vibrato and a fainter echo.
    def tone(u):
        if u < 0:
            return 0.0
        return envelope(u, 0.01, 0.14) * math.sin(2 * math.pi * (587 + 3 * math.sin(2 * math.pi * 6 * u)) * u)

    return 0.8 * tone(t) + 0.3 * tone(t - 0.22)


SOUNDS = {
    "Glass": (glass, 0.7),
    "Pop": (pop, 0.12),
    "Purr": (purr, 0.5),
    "Ping": (ping, 0.55),
    "Submarine": (submarine, 0.8),
}


def write(path, function, seconds):
    frames = bytearray()
    for i in range(int(RATE * seconds)):
        sample = max(-1.0, min(1.0, 0.8 * function(i / RATE)))
        frames += struct.pack("<h", int(sample * 32767))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "sounds")
    os.makedirs(root, exist_ok=True)
    for name, (function, seconds) in SOUNDS.items():
        write(os.path.join(root, name + ".wav"), function, seconds)
    return 0


if __name__ == "__main__":
    sys.exit(main())
