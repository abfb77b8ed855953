#!/usr/bin/python3
"""Writes the module's icon (profile.ico) and end-point cursor (epmove.cur).

The icon is a small chart: white face, grey frame, black axes, a red profile
curve. The cursor is a four-way arrow with a ring at its hot spot, for moving
an end point. Run from this folder; the output is checked in.
"""
import math
import struct


def pad(row):
    return row + b'\0' * ((4 - len(row) % 4) % 4)


def icon_file(kind, entries):
    """entries: (width, height, hotx, hoty, image bytes)."""
    out = struct.pack('<HHH', 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    for (w, h, hx, hy, data) in entries:
        out += struct.pack('<BBBBHHII', w, h, 0, 0, hx if kind == 2 else 1, hy if kind == 2 else 32, len(data), offset)
        offset += len(data)
    return out + b''.join(e[4] for e in entries)


def profile_icon():
    size = 32
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y in range(2, 30):
        for x in range(2, 30):
            edge = x in (2, 29) or y in (2, 29)
            pixels[y][x] = (128, 128, 128, 255) if edge else (255, 255, 255, 255)
    for y in range(6, 26):
        pixels[y][6] = (0, 0, 0, 255)
    for x in range(6, 26):
        pixels[25][x] = (0, 0, 0, 255)
    for x in range(7, 26):
        y = int(round(16 - 7 * math.sin((x - 7) / 18 * 2 * math.pi)))
        for dy in (0, 1):
            pixels[y + dy][x] = (255, 0, 0, 255)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = [b''.join(struct.pack('<BBBB', b, g, r, a) for (r, g, b, a) in row) for row in pixels]
    mask = [pad(bytes(4)) for _ in range(size)]
    return header + b''.join(reversed(rows)) + b''.join(reversed(mask))


def move_cursor():
    size = 32
    c = 15
    black, white = set(), set()

    def arrow(dx, dy):
        # A shaft from the ring outward and a head of width 7 at its tip.
        for i in range(5, 14):
            white.add((c + dx * i, c + dy * i))
        for k in range(4):
            for j in range(-k, k + 1):
                x = c + dx * (14 - k) + (j if dx == 0 else 0)
                y = c + dy * (14 - k) + (j if dy == 0 else 0)
                white.add((x, y))

    for d in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        arrow(*d)
    for a in range(64):
        t = a / 64 * 2 * math.pi
        white.add((int(round(c + 3.5 * math.cos(t))), int(round(c + 3.5 * math.sin(t)))))
    for (x, y) in list(white):
        for (nx, ny) in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if (nx, ny) not in white:
                black.add((nx, ny))
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0)
    xor_rows, and_rows = [], []
    for y in range(size):
        xor_bits, and_bits = bytearray(4), bytearray(b'\xff' * 4)
        for x in range(size):
            if (x, y) in white or (x, y) in black:
                and_bits[x // 8] &= ~(0x80 >> (x % 8)) & 0xFF
            if (x, y) in white:
                xor_bits[x // 8] |= 0x80 >> (x % 8)
        xor_rows.append(bytes(xor_bits))
        and_rows.append(bytes(and_bits))
    return header + palette + b''.join(reversed(xor_rows)) + b''.join(reversed(and_rows))


with open('profile.ico', 'wb') as f:
    f.write(icon_file(1, [(32, 32, 0, 0, profile_icon())]))
with open('epmove.cur', 'wb') as f:
    f.write(icon_file(2, [(32, 32, 15, 15, move_cursor())]))
