#!/usr/bin/env python3
"""Finds a pointer's tip in a screenshot, against another of the same screen without it there.

    pointer_tip.py <with pointer.png> <without.png> <left> <top> <size>

looks in the square of that size at (left, top) and prints "X Y" in screen pixels: the middle of
the topmost row where the two differ, where a pointer that points upwards touches what it points
at ("none" when they do not differ).
"""
import re
import subprocess
import sys


def pixels(path, left, top, size):
    ppm = subprocess.run(["/usr/bin/convert", path, "-crop", f"{size}x{size}+{left}+{top}",
                          "+repage", "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    # A binary PPM: "P6", width, height, maximum, one white space, then the pixels.
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+\d+\s", ppm)
    width, height = int(header[1]), int(header[2])
    data = ppm[header.end():]
    return [data[row * width * 3:(row + 1) * width * 3] for row in range(height)]


def main():
    left, top, size = (int(value) for value in sys.argv[3:6])
    shown = pixels(sys.argv[1], left, top, size)
    bare = pixels(sys.argv[2], left, top, size)
    for y, (row, bare_row) in enumerate(zip(shown, bare)):
        xs = [x for x in range(len(row) // 3) if row[3 * x:3 * x + 3] != bare_row[3 * x:3 * x + 3]]
        if xs:
            print(left + (xs[0] + xs[-1]) // 2, top + y)
            return
    print("none")


if __name__ == "__main__":
    main()
