#!/usr/bin/env python3
"""Writes the two 16-colour bitmaps of the empty-stack marker for each display density the game ships:
ring.bmp and outline.bmp (70 x 95, 96 dpi), ring144.bmp and outline144.bmp, ring192.bmp and outline192.bmp.
Each is drawn at its own size, one pixel narrower and lower than the card at that density. At every other
density the game draws the same shapes itself at the card's size (render/MarkerBitmaps.cpp, whose test checks
that they give these files): a change to a shape here belongs there too."""
import os
import struct

BASE_DPI = 96
DENSITIES = (96, 144, 192)
CARD_WIDTH, CARD_HEIGHT = 71, 96

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, LIGHT_GREY, WHITE = 0, 7, 15


def scaled(length, dpi):
    """A length at 96 dpi scaled to `dpi`, halves rounded up, as the game rounds."""
    return int(length * dpi / BASE_DPI + 0.5)


def marker_size(dpi):
    return scaled(CARD_WIDTH, dpi) - 1, scaled(CARD_HEIGHT, dpi) - 1


def ring_pixels(dpi):
    """White, with a light grey elliptical ring; at 96 dpi 7 pixels thick over columns 7..63 and rows 17..77."""
    width, height = marker_size(dpi)
    left, right = scaled(7, dpi), width - 1 - scaled(6, dpi)
    top, bottom = scaled(17, dpi), height - 1 - scaled(17, dpi)
    thickness = scaled(7, dpi)
    cx, cy = (left + right) / 2, (top + bottom) / 2
    outer_a, outer_b = (right - left + 1) / 2, (bottom - top + 1) / 2
    inner_a, inner_b = outer_a - thickness, outer_b - thickness

    def inside(x, y, a, b):
        return ((x - cx) / a) ** 2 + ((y - cy) / b) ** 2 <= 1

    return [[LIGHT_GREY if inside(x, y, outer_a, outer_b) and not inside(x, y, inner_a, inner_b) else WHITE
             for x in range(width)] for y in range(height)]


def outline_pixels(dpi):
    """White, with a black border whose four corners are cut; at 96 dpi one pixel wide, cut by two pixels."""
    width, height = marker_size(dpi)
    line, cut = scaled(1, dpi), scaled(2, dpi)
    rows = [[WHITE] * width for _ in range(height)]
    for y in range(height):
        for x in range(width):
            dx, dy = min(x, width - 1 - x), min(y, height - 1 - y)
            if dx + dy >= cut and (dx < line or dy < line or dx + dy < cut + line):
                rows[y][x] = BLACK
    return rows


def bmp_bytes(rows):
    """A 4-bit BMP, bottom row first, each row padded to four bytes."""
    height, width = len(rows), len(rows[0])
    row_size = ((width * 4 + 31) // 32) * 4
    image = bytearray()
    for row in reversed(rows):
        packed = bytearray()
        for x in range(0, width, 2):
            high = row[x]
            low = row[x + 1] if x + 1 < width else 0
            packed.append(high << 4 | low)
        image += packed + bytes(row_size - len(packed))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(image), 2835, 2835, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info + palette + bytes(image)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for dpi in DENSITIES:
        suffix = "" if dpi == BASE_DPI else str(dpi)
        for name, rows in (("ring", ring_pixels(dpi)), ("outline", outline_pixels(dpi))):
            with open(os.path.join(here, f"{name}{suffix}.bmp"), "wb") as out:
                out.write(bmp_bytes(rows))


if __name__ == "__main__":
    main()
