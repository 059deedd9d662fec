#!/usr/bin/python3
"""Writes the program's icon as a PNG of one size, for the Linux window and desktop entry.

The picture is the one the Windows icon is drawn from (win32/icon/make_icon.py), so both
programs show the same image.
Usage: make_png_icon.py SIZE OUTPUT.png
"""
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "win32", "icon"))
import make_icon  # noqa: E402


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(size):
    # make_icon gives bottom-up rows of (b, g, r, a); PNG wants top-down RGBA rows,
    # each after a filter byte of 0.
    rows = reversed(make_icon.pixels(size))
    raw = b"".join(b"\0" + b"".join(bytes((r, g, b, a)) for b, g, r, a in row) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[2], "wb") as output:
        output.write(png(int(sys.argv[1])))
