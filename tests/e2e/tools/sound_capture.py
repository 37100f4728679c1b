"""Measures recorded sound: where it is heard, and how much of it there is.

    sound_capture.py span <capture.raw> <rate>   raw 16-bit mono: "<first ms> <last ms> <energy>"
    sound_capture.py span <file.wav>             the same for a sound file (its first channel)

A sample is heard when it is louder than -40 dBFS. Energy is the sum of squares of the samples,
per second of sound at the given rate, so a capture and a file at another rate compare.
"""
import array
import sys
import wave

THRESHOLD = int(32768 * 10 ** (-40 / 20))


def span(samples, rate):
    heard = [i for i, s in enumerate(samples) if abs(s) > THRESHOLD]
    if not heard:
        return None
    energy = sum(s * s for s in samples) / rate / 32768.0 ** 2
    return heard[0] * 1000.0 / rate, heard[-1] * 1000.0 / rate, energy


def main():
    path = sys.argv[2]
    if path.endswith(".wav"):
        with wave.open(path) as w:
            rate = w.getframerate()
            samples = array.array("h", w.readframes(w.getnframes()))[:: w.getnchannels()]
    else:
        rate = int(sys.argv[3])
        samples = array.array("h")
        with open(path, "rb") as f:
            samples.frombytes(f.read())
    result = span(samples, rate)
    print("none" if result is None else "%.1f %.1f %.6f" % result)


if __name__ == "__main__":
    main()
