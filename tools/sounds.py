#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quellard developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesises the game's sound effects that are not speech, as 22050 Hz mono 16-bit WAV.

Usage: sounds.py OUTPUT_DIR
Writes whoosh.wav, snore.wav, hung-01.wav, Explode.wav and clap.wav (make-sounds adds the two
spoken ones). Every noise source is a seeded generator and samples are rounded, never dithered,
so a second run writes the same bytes.
"""

import math
import os
import random
import sys
import wave

RATE = 22050
TWO_PI = 2 * math.pi


class Bandpass:
    """A state-variable filter whose centre frequency may change every sample, which is what
    the sweeps below need; q is the resonance (higher is narrower)."""

    def __init__(self, q):
        self.damp = 1.0 / q
        self.low = self.band = 0.0

    def __call__(self, x, freq):
        f = 2 * math.sin(math.pi * min(freq, RATE / 6) / RATE)
        high = x - self.low - self.damp * self.band
        self.band += f * high
        self.low += f * self.band
        return self.band


class Lowpass:
    """One-pole lowpass with a cutoff that may change every sample."""

    def __init__(self):
        self.y = 0.0

    def __call__(self, x, cutoff):
        a = 1 - math.exp(-TWO_PI * cutoff / RATE)
        self.y += a * (x - self.y)
        return self.y


def normalise(samples, peak=0.89):
    """Scales to a peak of about -1 dBFS so every effect plays at a similar loudness."""
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def write_wav(path, samples):
    frames = bytearray()
    for s in normalise(samples):
        v = int(round(s * 32767))
        frames += max(-32768, min(32767, v)).to_bytes(2, "little", signed=True)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def whoosh():
    """A card flicked past: noise through a band that sweeps up as it comes and down as it
    goes, loudest just after the middle, about a third of a second."""
    rng = random.Random(1)
    n = int(0.32 * RATE)
    bp, body = Bandpass(2.5), Lowpass()
    out = []
    for k in range(n):
        t = k / n
        centre = 350 + 2600 * math.sin(math.pi * t ** 0.8) ** 2
        env = math.sin(math.pi * t ** 0.7) ** 2
        x = rng.uniform(-1, 1)
        out.append(env * (bp(x, centre) + 0.25 * body(x, 500)))
    return out


def snore():
    """One snore: a long rattling breath in, the soft palate fluttering at about thirty times
    a second, then a quiet breath out through the nose."""
    rng = random.Random(2)
    out = []
    # Breath in, 1.1 s: a train of short low bursts whose rate wobbles a little.
    n_in = int(1.1 * RATE)
    rattle = [0.0] * n_in
    t, k = 0.0, 0
    while True:
        rate = 30 + 4 * math.sin(TWO_PI * 0.9 * t) + rng.uniform(-2, 2)
        t += 1 / rate
        k = int(t * RATE)
        if k >= n_in:
            break
        amp = rng.uniform(0.7, 1.0)
        for j in range(min(int(0.02 * RATE), n_in - k)):
            rattle[k + j] += amp * math.exp(-j / (0.004 * RATE)) * rng.uniform(-1, 1)
    # The throat: two gentle resonances, and everything above a few hundred hertz muffled,
    # so the rattle rumbles instead of hissing.
    throat, chest, muffle1, muffle2 = Bandpass(3.0), Bandpass(2.0), Lowpass(), Lowpass()
    for k in range(n_in):
        t = k / n_in
        env = math.sin(math.pi * min(1.0, t * 1.15)) ** 1.5 if t < 0.87 else 0.0
        x = throat(rattle[k], 260) + 1.2 * chest(rattle[k], 110)
        out.append(env * muffle2(muffle1(x, 700), 900))
    # A short pause, then the breath out: soft, higher, airy noise.
    out += [0.0] * int(0.12 * RATE)
    n_out = int(0.6 * RATE)
    air, soft = Bandpass(1.2), Lowpass()
    for k in range(n_out):
        t = k / n_out
        env = 0.15 * math.sin(math.pi * t) ** 2
        out.append(env * soft(air(rng.uniform(-1, 1), 500 + 200 * t), 1200))
    return out


def sad_trombone():
    """The loser's fanfare: three falling notes and a long fourth that sags and wobbles,
    played on a brassy tone opened and closed like a plunger mute ("wah")."""
    notes = [(196.0, 0.42), (185.0, 0.42), (174.6, 0.42), (164.8, 1.05)]  # G3, F#3, F3, E3
    out = []
    phase = 0.0
    for index, (freq, dur) in enumerate(notes):
        n = int(dur * RATE)
        last = index == len(notes) - 1
        for k in range(n):
            t = k / RATE
            f = freq
            if last:
                # The held note wobbles ever wider and droops at the end.
                f *= 1 + 0.025 * min(1.0, t / 0.4) * math.sin(TWO_PI * 5.2 * t)
                f *= 1 - 0.06 * max(0.0, (t - 0.7) / 0.35)
            phase += TWO_PI * f / RATE
            # The mute opens at the start of each note and closes at its end; on the long
            # note it also flaps with the vibrato.
            open_ = math.sin(math.pi * min(1.0, t / dur)) ** 0.6
            if last:
                open_ *= 0.75 + 0.25 * math.sin(TWO_PI * 5.2 * t - 1.2)
            brightness = 1 + 9 * open_
            s = 0.0
            for h in range(1, 19):
                s += math.exp(-h / brightness) * math.sin(h * phase)
            attack = min(1.0, t / 0.03)
            release = min(1.0, (dur - t) / (0.25 if last else 0.05))
            out.append(s * attack * release * (0.5 + 0.5 * open_))
    return out


def explosion():
    """A crack, a deep boom falling in pitch, and a rumble that darkens as it dies away."""
    rng = random.Random(4)
    n = int(1.5 * RATE)
    rumble, crack_filter = Lowpass(), Lowpass()
    brown = 0.0
    boom_phase = 0.0
    out = []
    for k in range(n):
        t = k / RATE
        white = rng.uniform(-1, 1)
        brown = 0.985 * brown + 0.12 * white
        # The rumble: low noise whose cutoff falls from bright to dull.
        cutoff = 150 + 2800 * math.exp(-t / 0.12)
        r = rumble(brown, cutoff) * math.exp(-t / 0.45) * 2.2
        # The first crack: bright noise for a few tens of milliseconds.
        c = crack_filter(white, 5000) * math.exp(-t / 0.025)
        # The boom: a sine sweeping down from 90 to 35 Hz.
        boom_phase += TWO_PI * (35 + 55 * math.exp(-t / 0.15)) / RATE
        b = math.sin(boom_phase) * math.exp(-t / 0.35) * min(1.0, t / 0.004)
        fade = min(1.0, (1.5 - t) / 0.3)
        # A soft clip gives the blast its overdriven punch.
        out.append(math.tanh(1.8 * (r + 0.9 * c + 0.9 * b)) * fade)
    return out


def applause():
    """A crowd of thirty clapping: each clapper claps at his own pace with a little unsteadiness,
    each clap a short burst of noise coloured by his own hands; the crowd starts at once and
    dies away over the last second."""
    rng = random.Random(5)
    length = 2.1
    n = int(length * RATE)
    out = [0.0] * n
    burst = int(0.04 * RATE)
    for _ in range(30):
        rate = rng.uniform(3.6, 5.2)
        tone = rng.uniform(900, 2600)
        loud = rng.uniform(0.5, 1.0)
        t = rng.uniform(0, 1 / rate)
        while t < length:
            start = int(t * RATE)
            bp = Bandpass(1.4)
            decay = rng.uniform(0.005, 0.011) * RATE
            amp = loud * rng.uniform(0.7, 1.0)
            for j in range(min(burst, n - start)):
                out[start + j] += amp * math.exp(-j / decay) * bp(rng.uniform(-1, 1), tone)
            t += 1 / rate + rng.uniform(-0.02, 0.02)
    for k in range(n):
        t = k / RATE
        out[k] *= min(1.0, t / 0.08) * min(1.0, (length - t) / 0.9)
    return out


SOUNDS = {
    "whoosh.wav": whoosh,
    "snore.wav": snore,
    "hung-01.wav": sad_trombone,
    "Explode.wav": explosion,
    "clap.wav": applause,
}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: sounds.py OUTPUT_DIR")
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, make in SOUNDS.items():
        write_wav(os.path.join(sys.argv[1], name), make())


if __name__ == "__main__":
    main()
