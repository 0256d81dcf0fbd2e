#!/usr/bin/env python3
"""Draws the cursors and the icon of the resource library velorares and writes them as .cur and
.ico files: a crosshair, three magnifiers marked 2, 4 and 8, and a small plot as the window icon.

Usage: makeresources.py OUTPUT_FOLDER
"""
import math
import os
import struct
import sys

SIZE = 32

# Pixel values of a cursor picture.
CLEAR, BLACK, WHITE = ".", "#", "o"

DIGITS = {
    "2": ["0110", "1001", "0001", "0010", "0100", "1000", "1111"],
    "4": ["0010", "0110", "1010", "1111", "0010", "0010", "0010"],
    "8": ["0110", "1001", "1001", "0110", "1001", "1001", "0110"],
}


def blank():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def outline(picture):
    """A white rim around every black pixel, so the cursor shows on dark and light ground."""
    rimmed = [row[:] for row in picture]
    for y in range(SIZE):
        for x in range(SIZE):
            if picture[y][x] != BLACK:
                continue
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    u, v = x + dx, y + dy
                    if 0 <= u < SIZE and 0 <= v < SIZE and rimmed[v][u] == CLEAR:
                        rimmed[v][u] = WHITE
    return rimmed


def crosshair():
    picture = blank()
    centre = 15
    for k in range(2, 30):
        if abs(k - centre) > 2:
            picture[centre][k] = BLACK
            picture[k][centre] = BLACK
    picture[centre][centre] = BLACK
    return outline(picture), (centre, centre)


def magnifier(digit):
    picture = blank()
    cx, cy, radius = 12, 12, 10
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - cx, y - cy)
            if radius - 1.5 <= d <= radius + 0.5:
                picture[y][x] = BLACK
            elif d < radius - 1.5:
                picture[y][x] = WHITE  # the glass
    for k in range(0, 10):  # the handle, three pixels thick
        for t in (-1, 0, 1):
            x, y = 20 + k + t, 20 + k
            if x < SIZE and y < SIZE:
                picture[y][x] = BLACK
    for row, bits in enumerate(DIGITS[digit]):
        for column, bit in enumerate(bits):
            if bit == "1":
                x, y = cx - 2 + column, cy - 3 + row
                picture[y][x] = BLACK
    return outline(picture), (cx, cy)


def cursor_file(picture, hotspot):
    """A 32 x 32 monochrome cursor: header, one directory entry, the image with XOR and AND masks."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<4B4B", 0, 0, 0, 0, 255, 255, 255, 0)
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):  # bottom row first
        xor_bits = and_bits = 0
        for x in range(SIZE):
            value = picture[y][x]
            bit = 1 << (SIZE - 1 - x)
            if value == CLEAR:
                and_bits |= bit
            elif value == WHITE:
                xor_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


def icon_file():
    """A 32 x 32 true-colour icon: a framed plot with a blue curve and red points."""
    white, black = (255, 255, 255), (0, 0, 0)
    blue, red, grey = (0, 0, 255), (255, 0, 0), (188, 188, 188)
    pixels = [[white] * SIZE for _ in range(SIZE)]
    for k in range(SIZE):
        for edge in (0, SIZE - 1):
            pixels[edge][k] = black
            pixels[k][edge] = black
    for k in range(4, 29):
        pixels[27][k] = grey
        pixels[k][4] = grey
    for x in range(5, 29):
        y = int(round(16 - 9 * math.sin((x - 5) / 23 * 2 * math.pi)))
        pixels[y][x] = blue
        pixels[y + 1][x] = blue
    for x, y in ((8, 12), (14, 9), (20, 22), (26, 17)):
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                pixels[y + dy][x + dx] = red
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 24, 0, 0, 0, 0, 0, 0)
    rows = b""
    for y in reversed(range(SIZE)):
        rows += b"".join(struct.pack("<3B", b, g, r) for (r, g, b) in pixels[y])
    and_mask = b"\0" * (4 * SIZE)  # every pixel opaque
    image = header + rows + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    files = {"orincursor.cur": cursor_file(*crosshair()), "orinicon.ico": icon_file()}
    for digit in "248":
        files["lupe%s.cur" % digit] = cursor_file(*magnifier(digit))
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
