#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Makes the icon files from their one source, resources/kvadrati.xpm: a palette PNG for the
window and the desktop, and a 32x32 icon at 8 bits per pixel for Windows. Standard library only.

    scripts/make-icons.py
"""
import re
import struct
import zlib
from pathlib import Path

RESOURCES = Path(__file__).resolve().parent.parent / "resources"


def read_xpm(path):
    """The picture as rows of palette indexes, and the palette as (r, g, b, a)."""
    strings = re.findall(r'"([^"]*)"', path.read_text())
    width, height, colours, per_pixel = map(int, strings[0].split())
    palette, index = [], {}
    for line in strings[1 : 1 + colours]:
        key, value = line[:per_pixel], line[per_pixel:].split()[-1]
        index[key] = len(palette)
        if value == "None":
            palette.append((0, 0, 0, 0))
        else:
            palette.append(tuple(int(value[i : i + 2], 16) for i in (1, 3, 5)) + (255,))
    rows = [
        [index[row[x : x + per_pixel]] for x in range(0, width * per_pixel, per_pixel)]
        for row in strings[1 + colours : 1 + colours + height]
    ]
    return rows, palette


def png(rows, palette):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 3, 0, 0, 0)
    pixels = b"".join(b"\0" + bytes(row) for row in rows)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", header)
        + chunk(b"PLTE", b"".join(bytes(c[:3]) for c in palette))
        + chunk(b"tRNS", bytes(c[3] for c in palette))
        + chunk(b"IDAT", zlib.compress(pixels, 9))
        + chunk(b"IEND", b"")
    )


def ico(rows, palette):
    """One 8-bit bitmap with its transparency mask; bitmaps are stored bottom row first."""
    width, height = len(rows[0]), len(rows)
    colour_table = b"".join(bytes((b, g, r, 0)) for r, g, b, _ in palette).ljust(256 * 4, b"\0")
    pixels = b"".join(bytes(row) for row in reversed(rows))
    mask_row_bytes = (width + 31) // 32 * 4
    mask = b"".join(
        int("".join("1" if palette[i][3] == 0 else "0" for i in row), 2)
        .to_bytes(width // 8, "big")
        .ljust(mask_row_bytes, b"\0")
        for row in reversed(rows)
    )
    info = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 8, 0, len(pixels) + len(mask), 0, 0, 256, 0)
    image = info + colour_table + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", width, height, 0, 0, 1, 8, len(image), 22)
    return directory + image


rows, palette = read_xpm(RESOURCES / "kvadrati.xpm")
(RESOURCES / "kvadrati.png").write_bytes(png(rows, palette))
(RESOURCES / "kvadrati.ico").write_bytes(ico(rows, palette))
