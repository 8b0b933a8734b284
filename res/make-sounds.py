#!/usr/bin/env python3
"""Synthesises the three built-in alert sounds.

Run from anywhere: python3 res/make-sounds.py (the standard library is enough).
Writes res/alert-online.wav, res/alert-offline.wav and res/alert-change.wav:
PCM, mono, 8 bits per sample. The output is the same at every run.

Each sound is a few soft bell-like notes: a short raised-cosine attack, an
exponential decay whose upper partials fade faster than the fundamental, and
a closing fade, so that it starts and ends on silence without a click.
"""
import math
import os
import wave

HERE = os.path.dirname(os.path.abspath(__file__))

ATTACK_S = 0.008
END_FADE_S = 0.04
# Partials of a note: (multiple of the fundamental, level, decay time factor).
BELL = ((1.0, 1.0, 1.0), (2.0, 0.30, 0.55), (3.0, 0.10, 0.35))
SOFT = ((1.0, 1.0, 1.0), (2.0, 0.12, 0.5))


def note(rate, length, start_s, freq, decay_s, partials):
    """One note's samples over the whole sound, as floats."""
    samples = [0.0] * length
    first = int(start_s * rate)
    for i in range(first, length):
        t = (i - first) / rate
        attack = 0.5 - 0.5 * math.cos(math.pi * t / ATTACK_S) if t < ATTACK_S else 1.0
        value = 0.0
        for multiple, level, decay_factor in partials:
            value += level * math.exp(-t / (decay_s * decay_factor)) * math.sin(
                2 * math.pi * freq * multiple * t)
        samples[i] = attack * value
    return samples


def chime(rate, seconds, notes, peak, partials):
    """Mixes the notes (start in s, frequency in Hz, decay time in s) and
    scales them to the peak level, as unsigned 8-bit samples."""
    length = 2 * round(rate * seconds / 2)  # even: a RIFF chunk has no pad byte then
    mix = [0.0] * length
    for start_s, freq, decay_s in notes:
        for i, value in enumerate(note(rate, length, start_s, freq, decay_s, partials)):
            mix[i] += value
    fade = int(END_FADE_S * rate)
    for i in range(length - fade, length):
        mix[i] *= 0.5 + 0.5 * math.cos(math.pi * (i - (length - fade)) / fade)
    scale = peak * 127 / max(abs(v) for v in mix)
    return bytes(128 + round(v * scale) for v in mix)


def write_wave(name, rate, samples):
    with wave.open(os.path.join(HERE, name), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(1)
        out.setframerate(rate)
        out.writeframes(samples)


E5, G5, A5, B5, C6, CS6 = 659.26, 783.99, 880.00, 987.77, 1046.50, 1108.73


def main():
    # Online: a rising major arpeggio.
    write_wave("alert-online.wav", 22050,
               chime(22050, 0.62, [(0.0, E5, 0.16), (0.12, A5, 0.16), (0.24, CS6, 0.14)],
                     0.80, BELL))
    # Offline: the same steps falling, lower and slower.
    write_wave("alert-offline.wav", 11025,
               chime(11025, 0.74, [(0.0, C6, 0.18), (0.15, A5, 0.18), (0.30, E5, 0.16)],
                     0.80, BELL))
    # A change of status: two quiet notes, a third apart.
    write_wave("alert-change.wav", 11025,
               chime(11025, 0.64, [(0.0, B5, 0.14), (0.18, G5, 0.14)], 0.50, SOFT))


if __name__ == "__main__":
    main()
