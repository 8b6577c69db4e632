#!/usr/bin/env python3
"""Synthesises the program's three sound effects as 16-bit mono wave files at 22050 Hz:
shutter.wav (a camera shutter), bell.wav (a small bell) and wind.wav (a gust of wind).
The noise comes from a fixed seed, so running the script again writes the same files.

    python3 resources/sounds/MakeSounds.py [output folder]
"""
import math
import os
import random
import struct
import sys

RATE = 22050


def write_wave(path, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.85 * 32767 / peak
    data = b"".join(struct.pack("<h", int(round(s * scale))) for s in samples)
    header = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVEfmt " + struct.pack(
        "<IHHIIHH", 16, 1, 1, RATE, RATE * 2, 2, 16) + b"data" + struct.pack("<I", len(data))
    with open(path, "wb") as f:
        f.write(header + data)


def resonator(signal, frequency, q):
    """A two-pole band-pass filter: noise through it rings at `frequency`."""
    w = 2 * math.pi * frequency / RATE
    r = math.exp(-w / (2 * q))
    a1, a2 = -2 * r * math.cos(w), r * r
    y1 = y2 = 0.0
    out = []
    for x in signal:
        y = (1 - r) * x - a1 * y1 - a2 * y2
        out.append(y)
        y2, y1 = y1, y
    return out


def shutter(rng):
    # Two clicks of the blades (opening and closing) and the click of the mirror.
    n = int(0.22 * RATE)
    out = [0.0] * n
    for start, length, pitch, level in ((0.000, 0.030, 3200, 1.0), (0.012, 0.050, 1400, 0.6),
                                        (0.095, 0.035, 2600, 0.8), (0.110, 0.060, 900, 0.5)):
        burst = [rng.uniform(-1, 1) * math.exp(-i / (length * RATE / 5)) for i in range(int(length * RATE))]
        rung = resonator(burst, pitch, 4)
        at = int(start * RATE)
        for i, s in enumerate(rung):
            if at + i < n:
                out[at + i] += level * s
    return out


def bell(rng):
    # A struck bell: inharmonic partials, the higher ones dying sooner.
    n = int(1.2 * RATE)
    f0 = 1320.0
    partials = ((1.0, 1.0, 2.2), (2.0, 0.5, 3.5), (2.76, 0.35, 4.5), (5.4, 0.2, 7.0), (8.93, 0.1, 10.0))
    out = []
    for i in range(n):
        t = i / RATE
        attack = min(1.0, t / 0.002)
        out.append(attack * sum(a * math.exp(-d * t) * math.sin(2 * math.pi * f0 * r * t) for r, a, d in partials))
    return out


def wind(rng):
    # Noise through a resonance that rises and falls, swelling in and fading out.
    n = int(1.5 * RATE)
    out = []
    w = 0.0
    y1 = y2 = 0.0
    for i in range(n):
        t = i / n
        frequency = 300 + 900 * math.sin(math.pi * t) ** 2
        q = 3.0
        w = 2 * math.pi * frequency / RATE
        r = math.exp(-w / (2 * q))
        a1, a2 = -2 * r * math.cos(w), r * r
        y = (1 - r) * rng.uniform(-1, 1) - a1 * y1 - a2 * y2
        y2, y1 = y1, y
        out.append(y * math.sin(math.pi * t) ** 1.5)
    return out


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, make in (("shutter.wav", shutter), ("bell.wav", bell), ("wind.wav", wind)):
        write_wave(os.path.join(folder, name), make(random.Random(1)))


if __name__ == "__main__":
    main()
