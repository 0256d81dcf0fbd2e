#!/usr/bin/env python3
"""Builds Velfont.bin, the stroke font file of Velora, from the Hershey vector fonts.

The Hershey fonts (public domain) come as .jhf files, Debian package hershey-fonts-data. Font 0
is the simplex Roman, font 1 the duplex Roman, font 2 the simplex Greek. Each font block holds
98 records of 256 bytes: record 0 a note for people, record 1 the advance widths, records 2 to 97
the stroke programs of the slots 32 to 127. The slots [ \\ ] ^ _ { | } ~ carry
Ä Ö Ü [ ] ä ö ü ß, and slot 127 the degree sign.

Usage: velfontgen.py HERSHEY_DIR OUTPUT
"""

import os
import sys

RECORD = 256
RECORDS_PER_FONT = 98
MAX_PAIRS = 128

PEN_UP = (64, 0)
PEN_DOWN = (64, 1)
END = (64, 2)

# Hershey y grows downwards with the baseline at 9; font units grow upwards from the baseline.
# One Hershey unit is one font unit: capitals stand 21 units high, exactly on the grid.
HERSHEY_BASELINE = 9

# The Greek font follows the Symbol font's letters, the ones scientists know: $a$ alpha,
# $b$ beta, $c$ chi, $q$ theta, $w$ omega, $D$ Delta ... The Hershey file holds the 24 letters in
# alphabetical order from 'A' and 'a'; the value is that index. j and v, which have no letter of
# their own here, keep the Roman letter.
GREEK_ALPHABET_INDEX = {
    "a": 0, "b": 1, "g": 2, "d": 3, "e": 4, "z": 5, "h": 6, "q": 7, "i": 8, "k": 9, "l": 10,
    "m": 11, "n": 12, "x": 13, "o": 14, "p": 15, "r": 16, "s": 17, "t": 18, "u": 19, "f": 20,
    "c": 21, "y": 22, "w": 23,
}


class Glyph:
    """Strokes in Hershey coordinates (x right, y down, origin at the glyph's centre)."""

    def __init__(self, left, right, strokes):
        self.left = left
        self.right = right
        self.strokes = strokes

    def moved(self, dx, dy):
        return Glyph(self.left, self.right,
                     [[(x + dx, y + dy) for x, y in s] for s in self.strokes])

    def ink(self):
        points = [p for s in self.strokes for p in s]
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        return min(xs), max(xs), min(ys), max(ys)


def read_jhf(path):
    """The glyphs of a .jhf file in order: codes 32, 33, ... A glyph may span several lines."""
    glyphs = []
    pending = ""
    with open(path, encoding="ascii") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line:
                continue
            pending += line
            count = int(pending[5:8])
            if len(pending) - 8 < 2 * count:
                continue
            glyphs.append(parse_glyph(pending[8:8 + 2 * count]))
            pending = ""
    if pending:
        raise ValueError(f"{path}: the last glyph is cut short")
    return glyphs


def parse_glyph(data):
    def value(ch):
        return ord(ch) - ord("R")

    left, right = value(data[0]), value(data[1])
    strokes = [[]]
    for i in range(2, len(data), 2):
        pair = data[i:i + 2]
        if pair == " R":
            strokes.append([])
        else:
            strokes[-1].append((value(pair[0]), value(pair[1])))
    return Glyph(left, right, [s for s in strokes if s])


def combine(base, *parts):
    strokes = list(base.strokes)
    for part in parts:
        strokes += part.strokes
    return Glyph(base.left, base.right, strokes)


def tittle(font):
    """The dot of the font's i: the strokes of 'i' that lie wholly above the x-height."""
    i = font[ord("i") - 32]
    dot = [s for s in i.strokes if max(y for _, y in s) < -6]
    if not dot:
        raise ValueError("the i of this font has no dot")
    return Glyph(0, 0, dot)


def with_dots(letter, dot, bottom, spread):
    """The letter with two dots above it, their lowest point at Hershey y `bottom`."""
    x0, x1, _, _ = letter.ink()
    dx0, dx1, dy0, dy1 = dot.ink()
    middle = (x0 + x1) / 2
    lift = bottom - dy1
    dots = []
    for side in (-1, 1):
        centre = middle + side * spread
        shift = int(round(centre - (dx0 + dx1) / 2))
        dots.append(dot.moved(shift, lift))
    return combine(letter, *dots)


# Sharp s in the manner of the simplex Roman: the stem of the l, a small upper bowl like the top
# of the B, and a wider lower bowl that returns to the baseline.
SHARP_S = Glyph(-9, 9, [
    [(-5, 9), (-5, -6), (-4, -9), (-3, -11), (-1, -12), (1, -12), (3, -11), (4, -9), (4, -7),
     (3, -5), (1, -4), (-1, -4)],
    [(1, -4), (4, -3), (6, -1), (7, 2), (7, 4), (6, 7), (4, 9), (1, 9), (-1, 8)],
])


def bold(glyph):
    """The duplex way: every stroke drawn twice, one unit apart."""
    return Glyph(glyph.left, glyph.right + 1,
                 glyph.strokes + [[(x + 1, y) for x, y in s] for s in glyph.strokes])


def german_letters(font, sharp_s):
    """The glyphs of the slots 0x5B-0x5D and 0x7B-0x7E, built from the letters of `font`."""
    dot = tittle(font)
    dot_bottom = dot.ink()[3]
    capital_dot_bottom = -14  # two units clear of the capitals' top at -12

    def letter(ch):
        return font[ord(ch) - 32]

    return {
        0x5B: with_dots(letter("A"), dot, capital_dot_bottom, 4),
        0x5C: with_dots(letter("O"), dot, capital_dot_bottom, 4),
        0x5D: with_dots(letter("U"), dot, capital_dot_bottom, 4),
        0x7B: with_dots(letter("a"), dot, dot_bottom, 3),
        0x7C: with_dots(letter("o"), dot, dot_bottom, 3),
        0x7D: with_dots(letter("u"), dot, dot_bottom, 3),
        0x7E: sharp_s,
    }


def slot_glyphs(font, brackets_from, german):
    """Glyphs for the slots 32 to 127 of one font block."""
    slots = {code: font[code - 32] for code in range(32, 128)}
    slots[0x5E] = brackets_from[ord("[") - 32]
    slots[0x5F] = brackets_from[ord("]") - 32]
    slots.update(german)
    return slots


def greek_slots(greek, roman):
    slots = {code: greek[code - 32] for code in range(32, 128)}
    for latin in "abcdefghijklmnopqrstuvwxyz":
        for ch in (latin, latin.upper()):
            index = GREEK_ALPHABET_INDEX.get(latin)
            base = ord("A") if ch.isupper() else ord("a")
            if index is None:
                slots[ord(ch)] = roman[ord(ch) - 32]
            else:
                slots[ord(ch)] = greek[base + index - 32]
    return slots


def encode(v):
    if v < 0:
        return 64 - v
    return v


def program(glyph, code):
    """The stroke program of a glyph: pen commands and points, relative to the origin."""
    pairs = []
    pen_down = False
    for stroke in glyph.strokes:
        if len(stroke) < 2:
            continue
        if pen_down:
            pairs.append(PEN_UP)
        for n, (hx, hy) in enumerate(stroke):
            x = hx - glyph.left
            y = HERSHEY_BASELINE - hy
            if not (-191 <= x <= 63 and -191 <= y <= 64):
                raise ValueError(f"slot {code:#x}: point ({x}, {y}) outside the font grid")
            pairs.append((encode(x), encode(y)))
            if n == 0:
                pairs.append(PEN_DOWN)
        pen_down = True
    if len(pairs) < MAX_PAIRS:
        pairs.append(END)
    if len(pairs) > MAX_PAIRS:
        raise ValueError(f"slot {code:#x}: {len(pairs)} pairs, more than a record holds")
    record = bytearray(RECORD)
    for i, (a, b) in enumerate(pairs):
        record[2 * i] = a
        record[2 * i + 1] = b
    return record


def font_block(slots, title):
    block = bytearray()
    note = f"Velora stroke font: {title}. Glyphs from the Hershey fonts.".encode("ascii")
    block += note.ljust(RECORD, b"\0")
    widths = bytearray(RECORD)
    for code in range(32, 128):
        width = slots[code].right - slots[code].left
        if not 0 <= width <= 255:
            raise ValueError(f"slot {code:#x}: advance width {width}")
        widths[2 * (code - 32) + 1] = width
    block += widths
    for code in range(32, 128):
        if code == 32:
            block += program(Glyph(0, 0, []), code)  # the space is never drawn
        else:
            block += program(slots[code], code)
    assert len(block) == RECORDS_PER_FONT * RECORD
    return bytes(block)


def build(hershey_dir):
    def load(name):
        glyphs = read_jhf(os.path.join(hershey_dir, name))
        if len(glyphs) != 96:
            raise ValueError(f"{name}: {len(glyphs)} glyphs instead of 96")
        return glyphs

    simplex = load("rowmans.jhf")
    duplex = load("rowmand.jhf")
    greek = load("greeks.jhf")

    roman_slots = slot_glyphs(simplex, simplex, german_letters(simplex, SHARP_S))
    heavy_slots = slot_glyphs(duplex, duplex, german_letters(duplex, bold(SHARP_S)))
    greek_glyphs = greek_slots(greek, simplex)
    greek_glyphs.update({0x5E: simplex[ord("[") - 32], 0x5F: simplex[ord("]") - 32]})
    greek_glyphs.update(german_letters(simplex, SHARP_S))

    return (font_block(roman_slots, "0, simplex Roman")
            + font_block(heavy_slots, "1, duplex Roman")
            + font_block(greek_glyphs, "2, simplex Greek"))


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    try:
        data = build(argv[1])
    except (OSError, ValueError) as error:
        sys.stderr.write(f"velfontgen: {error}\n")
        return 1
    with open(argv[2], "wb") as out:
        out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
