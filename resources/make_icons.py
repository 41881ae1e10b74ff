#!/usr/bin/env python3
# Draws the program's icons (16 colours) and writes them as .ico files into resources/icons/.
import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, GREY, RED, CYAN, WHITE = 0, 4, 7, 8, 9, 14, 15
CLEAR = None  # a transparent pixel


# ---- Suit shapes: each takes a point in a square of side 2 centred on 0 (y grows upwards) ----

def heart(x, y):
    lobes = (abs(x) - 0.45) ** 2 + (y - 0.4) ** 2 <= 0.5 ** 2
    point = -0.95 <= y <= 0.4 and abs(x) <= 0.93 * (y + 0.95) / 1.35
    return lobes or point


def diamond(x, y):
    return abs(x) / 0.72 + abs(y) / 0.98 <= 1


def spade(x, y):
    blade = heart(x * 1.1, -y * 1.1 + 0.1)
    stem = -0.95 <= y <= -0.3 and abs(x) <= 0.12 + (-0.3 - y) * 0.45
    return blade or stem


def club(x, y):
    def disc(cx, cy, r):
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    leaves = disc(0, 0.45, 0.36) or disc(-0.42, -0.12, 0.36) or disc(0.42, -0.12, 0.36)
    middle = abs(x) <= 0.12 and -0.2 <= y <= 0.3
    stem = -0.95 <= y <= -0.1 and abs(x) <= 0.1 + (-0.1 - y) * 0.4
    return leaves or middle or stem


# ---- Drawing on a grid of palette indices ----

def blank(size, colour=CLEAR):
    return [[colour] * size for _ in range(size)]


def paint_shape(grid, shape, colour, left, top, side, border=None):
    """Paints `shape` scaled into the square (left, top, side); an optional border one pixel wide."""
    inside = set()
    for row in range(top, top + side):
        for col in range(left, left + side):
            x = ((col - left) + 0.5) / side * 2 - 1
            y = 1 - ((row - top) + 0.5) / side * 2
            if shape(x, y):
                inside.add((row, col))
    for row, col in inside:
        grid[row][col] = colour
    if border is not None:
        for row, col in inside:
            for dr, dc in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                if (row + dr, col + dc) not in inside:
                    grid[row][col] = border
                    break


def paint_rect(grid, left, top, right, bottom, colour):
    for row in range(top, bottom + 1):
        for col in range(left, right + 1):
            grid[row][col] = colour


def paint_card(grid, left, top, right, bottom, face=WHITE):
    """A card with a black outline and cut corners."""
    corners = ((top, left), (top, right), (bottom, left), (bottom, right))
    behind = [grid[row][col] for row, col in corners]
    paint_rect(grid, left, top, right, bottom, BLACK)
    paint_rect(grid, left + 1, top + 1, right - 1, bottom - 1, face)
    for (row, col), colour in zip(corners, behind):
        grid[row][col] = colour


def rounded_square(size, colour, radius):
    grid = blank(size)
    for row in range(size):
        for col in range(size):
            dx = max(radius - col - 0.5, col + 0.5 - (size - radius), 0)
            dy = max(radius - row - 0.5, row + 0.5 - (size - radius), 0)
            if dx * dx + dy * dy <= radius * radius:
                grid[row][col] = colour
    return grid


# ---- The icons ----

def game_icon_32():
    """A navy tile: a card falling towards a landed card, with an arrow between them."""
    grid = rounded_square(32, NAVY, 5)
    paint_card(grid, 9, 2, 22, 12, face=CYAN)           # the falling card, seen from its back
    paint_rect(grid, 12, 5, 19, 9, NAVY)
    for step in range(3):                                 # the arrow
        paint_rect(grid, 13 + step, 13 + step, 18 - step, 13 + step, WHITE)
    paint_card(grid, 7, 17, 24, 30)                       # the landed card
    paint_shape(grid, heart, RED, 10, 18, 12)
    return grid


def game_icon_16():
    grid = rounded_square(16, NAVY, 3)
    paint_rect(grid, 5, 1, 10, 5, CYAN)                   # the falling card
    paint_rect(grid, 7, 6, 8, 6, WHITE)                   # the arrow
    paint_card(grid, 3, 8, 12, 15)                        # the landed card
    paint_shape(grid, heart, RED, 5, 9, 6)
    return grid


def suit_icon(shape, colour, size):
    grid = blank(size)
    margin = max(1, size // 16)
    paint_shape(grid, shape, colour, margin, margin, size - 2 * margin,
                border=BLACK if colour != BLACK else None)
    return grid


# ---- .ico writing ----

def image_bytes(grid):
    size = len(grid)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_stride = (size * 4 + 31) // 32 * 4
    and_stride = (size + 31) // 32 * 4
    colours = bytearray()
    mask = bytearray()
    for row in reversed(grid):  # bitmaps run bottom-up
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for col, index in enumerate(row):
            nibble = 0 if index is None else index
            line[col // 2] |= nibble << (4 if col % 2 == 0 else 0)
            if index is None:
                bits[col // 8] |= 0x80 >> (col % 8)
        colours += line
        mask += bits
    return header + palette + bytes(colours) + bytes(mask)


def write_icon(path, grids):
    images = [image_bytes(grid) for grid in grids]
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    for grid, data in zip(grids, images):
        size = len(grid)
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as out:
        out.write(directory + b''.join(images))


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'icons')
    os.makedirs(folder, exist_ok=True)
    write_icon(os.path.join(folder, 'zarnock.ico'), [game_icon_32(), game_icon_16()])
    write_icon(os.path.join(folder, 'small.ico'), [game_icon_16()])
    suits = [('spade.ico', spade, BLACK), ('heart.ico', heart, RED),
             ('club.ico', club, BLACK), ('diamond.ico', diamond, RED)]
    for name, shape, colour in suits:
        write_icon(os.path.join(folder, name), [suit_icon(shape, colour, 32), suit_icon(shape, colour, 16)])


if __name__ == '__main__':
    main()
