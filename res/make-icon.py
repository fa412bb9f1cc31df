#!/usr/bin/env python3
"""Draws the Vantrelix icon (a clipboard-blue rounded tile with a white link
chevron "V") and writes it as a multi-size .ico with 32-bit BMP images.

Usage: make-icon.py OUT.ico [SIZES...]   (default sizes 16 32 48 256)
"""
import struct
import sys

BLUE = (0x1F, 0x6F, 0xD6)
DARK = (0x16, 0x4E, 0x9A)
WHITE = (0xFF, 0xFF, 0xFF)


def inside_rounded(x, y, r):
    # Tile from 0.04 to 0.96 with corner radius r, in unit coordinates.
    lo, hi = 0.04, 0.96
    if x < lo or x > hi or y < lo or y > hi:
        return False
    cx = min(max(x, lo + r), hi - r)
    cy = min(max(y, lo + r), hi - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def dist_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    qx, qy = ax + t * dx, ay + t * dy
    return ((px - qx) ** 2 + (py - qy) ** 2) ** 0.5


def shade(x, y):
    """Colour and alpha of one sample point in unit coordinates."""
    if not inside_rounded(x, y, 0.18):
        return None
    # The "V": two thick strokes meeting at the bottom, with round ends.
    w = 0.085
    d = min(dist_to_segment(x, y, 0.26, 0.24, 0.5, 0.76), dist_to_segment(x, y, 0.74, 0.24, 0.5, 0.76))
    if d < w:
        return WHITE
    # A darker lower band suggests the clipboard's clip.
    if y > 0.84:
        return DARK
    return BLUE


def render(size, samples=4):
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            acc = [0, 0, 0, 0]
            for sj in range(samples):
                for si in range(samples):
                    c = shade((i + (si + 0.5) / samples) / size, (j + (sj + 0.5) / samples) / size)
                    if c:
                        acc[0] += c[0]; acc[1] += c[1]; acc[2] += c[2]; acc[3] += 255
            n = samples * samples
            a = acc[3] // n
            if a:
                cov = acc[3] / 255
                row.append((int(acc[2] / cov), int(acc[1] / cov), int(acc[0] / cov), a))  # BGRA
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def bmp_image(size):
    rows = render(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes(p) for row in reversed(rows) for p in row)
    mask_row = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(rows):
        bits = bytearray(mask_row)
        for i, p in enumerate(row):
            if p[3] == 0:
                bits[i // 8] |= 0x80 >> (i % 8)
        mask += bytes(bits)
    return header + pixels + mask


def main():
    out = sys.argv[1]
    sizes = [int(s) for s in sys.argv[2:]] or [16, 32, 48, 256]
    images = [bmp_image(s) for s in sizes]
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        data += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, 'wb') as f:
        f.write(data + b''.join(images))


if __name__ == '__main__':
    main()
