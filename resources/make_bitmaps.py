#!/usr/bin/env python3
"""Writes the two 16-colour bitmaps of the empty-stack marker: ring.bmp and outline.bmp (70 x 95)."""
import os
import struct

WIDTH, HEIGHT = 70, 95

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, LIGHT_GREY, WHITE = 0, 7, 15


def ring_pixels():
    """White, with a light grey elliptical ring 7 pixels thick over columns 7..63 and rows 17..77."""
    left, right, top, bottom, thickness = 7, 63, 17, 77, 7
    cx, cy = (left + right) / 2, (top + bottom) / 2
    outer_a, outer_b = (right - left + 1) / 2, (bottom - top + 1) / 2
    inner_a, inner_b = outer_a - thickness, outer_b - thickness

    def inside(x, y, a, b):
        return ((x - cx) / a) ** 2 + ((y - cy) / b) ** 2 <= 1

    return [[LIGHT_GREY if inside(x, y, outer_a, outer_b) and not inside(x, y, inner_a, inner_b) else WHITE
             for x in range(WIDTH)] for y in range(HEIGHT)]


def outline_pixels():
    """White, with a one-pixel black border whose four corners are cut by two pixels."""
    rows = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    for x in range(2, WIDTH - 2):
        rows[0][x] = rows[HEIGHT - 1][x] = BLACK
    for y in range(2, HEIGHT - 2):
        rows[y][0] = rows[y][WIDTH - 1] = BLACK
    for x, y in ((1, 1), (WIDTH - 2, 1), (1, HEIGHT - 2), (WIDTH - 2, HEIGHT - 2)):
        rows[y][x] = BLACK
    return rows


def bmp_bytes(rows):
    """A 4-bit BMP, bottom row first, each row padded to four bytes."""
    row_size = ((WIDTH * 4 + 31) // 32) * 4
    image = bytearray()
    for row in reversed(rows):
        packed = bytearray()
        for x in range(0, WIDTH, 2):
            high = row[x]
            low = row[x + 1] if x + 1 < WIDTH else 0
            packed.append(high << 4 | low)
        image += packed + bytes(row_size - len(packed))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(image), 2835, 2835, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info + palette + bytes(image)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, rows in (("ring.bmp", ring_pixels()), ("outline.bmp", outline_pixels())):
        with open(os.path.join(here, name), "wb") as out:
            out.write(bmp_bytes(rows))


if __name__ == "__main__":
    main()
