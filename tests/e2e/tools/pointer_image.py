#!/usr/bin/env python3
"""Reads the mouse pointer the X server shows now, as a player sees it, through XFixes.

Prints "WIDTH HEIGHT HOT_X HOT_Y TIP_X TIP_Y": the picture's size and its hot spot, in screen
pixels, and its tip: the middle of the topmost row of opaque pixels, where a pointer that points
upwards touches what it points at.
"""
import ctypes
import sys


class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short),
                ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
                ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong),
                ("pixels", ctypes.POINTER(ctypes.c_ulong))]


def main():
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    xfixes = ctypes.cdll.LoadLibrary("libXfixes.so.3")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("cannot open the display")
    image = xfixes.XFixesGetCursorImage(display)
    if not image:
        sys.exit("the server gives no pointer picture")
    cursor = image.contents
    opaque = [[(cursor.pixels[y * cursor.width + x] >> 24) & 0xFF >= 128
               for x in range(cursor.width)] for y in range(cursor.height)]
    tip = next(((sum(xs) // len(xs), y) for y, row in enumerate(opaque)
                for xs in [[x for x, on in enumerate(row) if on]] if xs), (-1, -1))
    print(cursor.width, cursor.height, cursor.xhot, cursor.yhot, tip[0], tip[1])
    x11.XFree(image)


if __name__ == "__main__":
    main()
