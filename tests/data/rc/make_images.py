#!/usr/bin/python3
"""Writes the icon and cursor files that module.rc names.

The pixels follow formulas that resource_module_test.cpp repeats, so the test
can check every decoded pixel. Run from this folder; the output is checked in.
"""
import struct
import zlib

# The 16 colours of the 4-bit icon: index i is (i * 16, 255 - i * 16, i * 8).
PALETTE16 = [(i * 16, 255 - i * 16, i * 8) for i in range(16)]


def bmp_entry(width, height, bit_count, colour_rows, mask_rows, palette=()):
    """A BMP icon image: header, palette, colour rows and mask rows, bottom-up."""
    header = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, bit_count, 0, 0, 0, 0, len(palette), 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    return header + pal + b''.join(reversed(colour_rows)) + b''.join(reversed(mask_rows))


def pad(row):
    return row + b'\0' * ((4 - len(row) % 4) % 4)


def mask_row(width, masked):
    bits = bytearray((width + 7) // 8)
    for x in range(width):
        if masked(x):
            bits[x // 8] |= 0x80 >> (x % 8)
    return pad(bytes(bits))


def icon_4bit(size):
    """Index (x / 4 + y / 4) % 16; masked where x + y < 4."""
    rows, masks = [], []
    for y in range(size):
        nibbles = [((x // 4 + y // 4) % 16) for x in range(size)]
        rows.append(pad(bytes((nibbles[x] << 4) | nibbles[x + 1] for x in range(0, size, 2))))
        masks.append(mask_row(size, lambda x: x + y < 4))
    return bmp_entry(size, size, 4, rows, masks, PALETTE16)


def icon_24bit(size):
    """Colour (x * 5, y * 5, 200); nothing masked."""
    rows = [pad(b''.join(struct.pack('<BBB', 200, y * 5, x * 5) for x in range(size))) for y in range(size)]
    masks = [mask_row(size, lambda x: False) for _ in range(size)]
    return bmp_entry(size, size, 24, rows, masks)


def cursor_1bit():
    """32 x 32: a black frame (x or y in 4 or 20) around white, x, y in [4, 20]; transparent elsewhere."""
    rows, masks = [], []
    for y in range(32):
        inside = lambda x: 4 <= x <= 20 and 4 <= y <= 20
        frame = lambda x: inside(x) and (x in (4, 20) or y in (4, 20))
        bits = bytearray(4)
        for x in range(32):
            if inside(x) and not frame(x):
                bits[x // 8] |= 0x80 >> (x % 8)  # colour 1 = white
        rows.append(bytes(bits))
        masks.append(mask_row(32, lambda x: not inside(x)))
    return bmp_entry(32, 32, 1, rows, masks, [(0, 0, 0), (255, 255, 255)])


def png_32():
    """32 x 32 RGBA: (x * 8, y * 8, 100) with alpha x * 8 (so column 0 is transparent)."""
    raw = b''.join(b'\0' + b''.join(bytes((x * 8, y * 8, 100, x * 8)) for x in range(32)) for y in range(32))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    ihdr = struct.pack('>IIBBBBB', 32, 32, 8, 6, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')


def container(kind, entries):
    """entries: (width, height, colour count, field4, field6, data); fields are planes/bits or hotspot."""
    out = struct.pack('<HHH', 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    for (w, h, colours, f4, f6, data) in entries:
        out += struct.pack('<BBBBHHII', w % 256, h % 256, colours, 0, f4, f6, len(data), offset)
        offset += len(data)
    return out + b''.join(e[5] for e in entries)


def main():
    with open('app.ico', 'wb') as f:  # three sizes; the 32 x 32 4-bit one is the one used
        f.write(container(1, [(16, 16, 16, 1, 4, icon_4bit(16)), (32, 32, 16, 1, 4, icon_4bit(32)),
                              (48, 48, 0, 1, 24, icon_24bit(48))]))
    with open('pointer.cur', 'wb') as f:  # hotspot (5, 9)
        f.write(container(2, [(32, 32, 2, 5, 9, cursor_1bit())]))
    with open('png.ico', 'wb') as f:
        f.write(container(1, [(32, 32, 0, 1, 32, png_32())]))


if __name__ == '__main__':
    main()
