#!/usr/bin/env python3
"""Makes a Windows icon from the 16-colour XPM pictures in assets/icons.

Each picture becomes one 4-bit image of the icon, coloured from the standard 16-colour palette,
with a 1-bit mask for the transparent ("None") pixels, as 16-colour Windows icons are stored.
Usage: xpm_to_ico.py OUTPUT.ico PICTURE.xpm [PICTURE.xpm ...]
"""

import re
import struct
import sys

# The standard Windows 16-colour palette, in its usual order.
PALETTE = [
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
]
TRANSPARENT = None


def read_xpm(path):
    """Returns (width, height, rows of palette indices or TRANSPARENT)."""
    with open(path, encoding="ascii") as source:
        strings = re.findall(r'"((?:[^"\\]|\\.)*)"', source.read())
    width, height, colours, per_pixel = (int(field) for field in strings[0].split()[:4])
    table = {}
    for line in strings[1:1 + colours]:
        key, definition = line[:per_pixel], line[per_pixel:].split()
        value = definition[definition.index("c") + 1]
        if value.lower() == "none":
            table[key] = TRANSPARENT
        elif value.startswith("#") and len(value) == 7 and int(value[1:], 16) in PALETTE:
            table[key] = PALETTE.index(int(value[1:], 16))
        else:
            sys.exit(f"{path}: colour {value} is not one of the 16 standard colours")
    rows = []
    for line in strings[1 + colours:1 + colours + height]:
        if len(line) != width * per_pixel:
            sys.exit(f"{path}: a row is not {width} pixels wide")
        rows.append([table[line[i:i + per_pixel]] for i in range(0, len(line), per_pixel)])
    if len(rows) != height:
        sys.exit(f"{path}: expected {height} rows")
    return width, height, rows


def row_stride(bits):
    return (bits + 31) // 32 * 4


def image_bytes(width, height, rows):
    """A BITMAPINFOHEADER, the palette, the 4-bit colour rows and the 1-bit mask, bottom row first."""
    colour = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        nibbles = [0 if index is TRANSPARENT else index for index in row]
        packed = bytearray((nibbles[i] << 4) | (nibbles[i + 1] if i + 1 < width else 0)
                           for i in range(0, width, 2))
        colour += packed.ljust(row_stride(width * 4), b"\0")
        bits = bytearray(row_stride(width))
        for x, index in enumerate(row):
            if index is TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 4, 0, len(colour) + len(mask),
                         0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", c & 0xFF, (c >> 8) & 0xFF, c >> 16, 0) for c in PALETTE)
    return header + palette + bytes(colour) + bytes(mask)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    pictures = sorted((read_xpm(path) for path in sys.argv[2:]), key=lambda picture: picture[0])
    images = [image_bytes(*picture) for picture in pictures]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for (width, height, _), image in zip(pictures, images):
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, 1, 4, len(image),
                               offset)
        offset += len(image)
    with open(sys.argv[1], "wb") as output:
        output.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main()
