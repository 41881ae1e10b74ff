#!/usr/bin/env python3
# Writes the game's icon as PNG files for the hicolor theme: icon_pngs.py <file.ico> <folder> <size>...
# Each size is drawn from the icon's largest image: whole multiples of it by repeating pixels, others by
# averaging the covered area. The PNG files carry no time and no text, so the same icon gives the same bytes.
import os
import struct
import sys
import zlib
from fractions import Fraction


def read_images(path):
    """The .ico file's 4-bit images as {size: rows of (r, g, b, a)}, top row first."""
    with open(path, 'rb') as f:
        data = f.read()
    _, kind, count = struct.unpack_from('<HHH', data, 0)
    if kind != 1:
        raise ValueError(f'{path} is not an icon file')
    images = {}
    for n in range(count):
        _, _, _, _, _, _, length, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * n)
        header_size, width, height2, _, bits = struct.unpack_from('<IiiHH', data, offset)
        if bits != 4 or height2 != 2 * width:
            raise ValueError(f'{path}: image {n} is not a square 16-colour image')
        palette_at = offset + header_size
        palette = [struct.unpack_from('<BBBB', data, palette_at + 4 * i)[:3][::-1] for i in range(16)]
        xor_at = palette_at + 64
        xor_stride = (width * 4 + 31) // 32 * 4
        and_at = xor_at + xor_stride * width
        and_stride = (width + 31) // 32 * 4
        rows = []
        for row in range(width - 1, -1, -1):  # bitmaps run bottom-up
            pixels = []
            for col in range(width):
                byte = data[xor_at + row * xor_stride + col // 2]
                index = byte >> 4 if col % 2 == 0 else byte & 15
                clear = data[and_at + row * and_stride + col // 8] & (0x80 >> (col % 8))
                pixels.append((0, 0, 0, 0) if clear else palette[index] + (255,))
            rows.append(pixels)
        images[width] = rows
    return images


def scaled(rows, size):
    """The image at `size` pixels: each new pixel averages the source area it covers (colour weighted by alpha)."""
    source = len(rows)
    if size % source == 0:
        factor = size // source
        return [[pixel for pixel in row for _ in range(factor)] for row in rows for _ in range(factor)]
    step = Fraction(source, size)

    def spans(n):  # the source pixels that new pixel n covers, with the share of each
        start, end = n * step, (n + 1) * step
        first = int(start)
        return [(i, min(end, i + 1) - max(start, i)) for i in range(first, source) if i < end]

    out = []
    for y in range(size):
        line = []
        for x in range(size):
            total = [Fraction(0)] * 4
            for sy, wy in spans(y):
                for sx, wx in spans(x):
                    r, g, b, a = rows[sy][sx]
                    w = wx * wy / (step * step)
                    total[0] += r * a * w
                    total[1] += g * a * w
                    total[2] += b * a * w
                    total[3] += a * w
            alpha = total[3]
            colour = [round(c / alpha) if alpha else 0 for c in total[:3]]
            line.append(tuple(colour) + (round(alpha),))
        out.append(line)
    return out


def png_bytes(rows):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    size = len(rows)
    raw = b''.join(b'\0' + bytes(v for pixel in row for v in pixel) for row in rows)
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9)) +
            chunk(b'IEND', b''))


def main():
    if len(sys.argv) < 4:
        sys.exit('usage: icon_pngs.py <file.ico> <folder> <size>...')
    images = read_images(sys.argv[1])
    largest = images[max(images)]
    for size in map(int, sys.argv[3:]):
        rows = images[size] if size in images else scaled(largest, size)
        folder = os.path.join(sys.argv[2], f'{size}x{size}', 'apps')
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, 'zarnock.png'), 'wb') as out:
            out.write(png_bytes(rows))


if __name__ == '__main__':
    main()
