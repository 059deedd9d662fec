#!/usr/bin/python3
"""Draws the program's icon and writes it as a Windows .ico file.

The picture: a blue rounded square holding a white password field with three dots.
Every size is drawn from the same shapes, with 4x4 supersampling for smooth edges.
Usage: make_icon.py OUTPUT.ico
"""
import struct
import sys

SIZES = (16, 24, 32, 48, 64)
SUPERSAMPLING = 4

BACKGROUND_TOP = (36, 99, 196)
BACKGROUND_BOTTOM = (17, 56, 128)
FIELD = (255, 255, 255)
DOT = (24, 40, 72)


def rounded_box(x, y, left, top, right, bottom, radius):
    """Whether the point lies inside the box whose corners are rounded by radius."""
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius**2


def colour_at(x, y):
    """The colour at a point of the unit square, or None outside the icon."""
    if not rounded_box(x, y, 0.03, 0.03, 0.97, 0.97, 0.2):
        return None
    if rounded_box(x, y, 0.12, 0.36, 0.88, 0.64, 0.07):
        for centre in (0.29, 0.5, 0.71):
            if (x - centre) ** 2 + (y - 0.5) ** 2 <= 0.075**2:
                return DOT
        return FIELD
    return tuple(round(a + (b - a) * y) for a, b in zip(BACKGROUND_TOP, BACKGROUND_BOTTOM))


def pixels(size):
    """Rows of (b, g, r, a) from the bottom row up, as a DIB stores them."""
    rows = []
    samples = SUPERSAMPLING * SUPERSAMPLING
    for row in reversed(range(size)):
        line = []
        for column in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SUPERSAMPLING):
                for sx in range(SUPERSAMPLING):
                    colour = colour_at((column + (sx + 0.5) / SUPERSAMPLING) / size,
                                       (row + (sy + 0.5) / SUPERSAMPLING) / size)
                    if colour is not None:
                        covered += 1
                        total = [t + c for t, c in zip(total, colour)]
            if covered:
                r, g, b = (round(t / covered) for t in total)
                line.append((b, g, r, round(255 * covered / samples)))
            else:
                line.append((0, 0, 0, 0))
        rows.append(line)
    return rows


def bitmap_image(size):
    """One icon image: a 32-bit DIB with its AND mask, which alpha makes unused."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes(pixel) for row in pixels(size) for pixel in row)
    mask_stride = ((size + 31) // 32) * 4
    return header + colour + bytes(mask_stride * size)


def icon_file(sizes):
    images = [bitmap_image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        edge = size if size < 256 else 0  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", edge, edge, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(sys.argv[1], "wb") as output:
        output.write(icon_file(SIZES))
