#!/usr/bin/env python3
"""Writes the page's icons from the program's own: favicon.ico (the 16- and
32-pixel icons in one file) and icon-192.png, icon-512.png (the 32-pixel icon
enlarged pixel for pixel, transparent where its mask says so).
    make_icons.py app16.ico app32.ico OUT_DIR"""
import struct
import sys
import zlib

small, large, out = sys.argv[1:4]


def image(path):
    """The one image of an .ico file: its directory entry and its data."""
    data = open(path, 'rb').read()
    assert struct.unpack('<HHH', data[:6]) == (0, 1, 1), path
    entry = data[6:22]
    size, offset = struct.unpack('<II', entry[8:16])
    return entry, data[offset:offset + size]


def pixels(dib):
    """RGBA rows, top-down, of a palettised icon bitmap with its AND mask."""
    head, width, height2, _, bits = struct.unpack('<IiiHH', dib[:16])
    height, colours = height2 // 2, 1 << bits
    palette = [dib[head + 4 * i:head + 4 * i + 3][::-1] for i in range(colours)]
    at = head + 4 * colours
    stride, mask_stride = (width * bits + 31) // 32 * 4, (width + 31) // 32 * 4
    mask_at = at + stride * height
    rows = []
    for y in range(height - 1, -1, -1):
        row = []
        for x in range(width):
            bit = x * bits
            index = (dib[at + y * stride + bit // 8] >> (8 - bits - bit % 8)) & (colours - 1)
            clear = dib[mask_at + y * mask_stride + x // 8] >> (7 - x % 8) & 1
            row.append(palette[index] + (b'\0' if clear else b'\xff'))
        rows.append(row)
    return rows


def png(rows, factor):
    """A PNG of `rows` with each pixel made factor x factor."""
    raw = b''.join(b'\0' + b''.join(p * factor for p in row) for row in rows for _ in range(factor))
    w, h = len(rows[0]) * factor, len(rows) * factor
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


images = [image(small), image(large)]
offset = 6 + 16 * len(images)
ico = struct.pack('<HHH', 0, 1, len(images))
for entry, dib in images:
    ico += entry[:12] + struct.pack('<I', offset)
    offset += len(dib)
open(f'{out}/favicon.ico', 'wb').write(ico + b''.join(dib for _, dib in images))
icon = pixels(images[1][1])
for size in (192, 512):
    open(f'{out}/icon-{size}.png', 'wb').write(png(icon, size // len(icon)))
