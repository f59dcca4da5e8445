"""Writes packaging/fonts/vorlash-tilde.ttf, a TrueType font of one glyph:
the full-width tilde (U+FF5E), a wave across a full-width cell.

Printouts draw every "～" with this font. The installed Japanese fonts draw
U+FF5E and the wave dash U+301C with one shared glyph, and a PDF's text
layer maps a shared glyph back to the lower code point, so the text read
from the page would say "〜" where the program shows "～". A font whose only
character is U+FF5E maps its glyph to that character alone.

The wave is a sine period drawn as a band of even height, placed and sized
like the Japanese fonts' tilde: 1000 units to the em, full-width advance.

Run from anywhere; --check only verifies that the committed file is current.
Standard library only and deterministic.
"""

from __future__ import annotations

import argparse
import math
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "packaging", "fonts", "vorlash-tilde.ttf")

FAMILY = "Vorlash Tilde"
CODE_POINT = 0xFF5E
EM = 1000
ADVANCE = 1000  # full width
ASCENT, DESCENT = 880, 120
CREATED = 3850070400  # 2026-01-01, in seconds since 1904

# The wave: one sine period from LEFT to RIGHT around MIDDLE.
LEFT, RIGHT = 106, 894
MIDDLE = 379
AMPLITUDE = 72  # of the band's middle line
HALF_BAND = 36  # half the band's height
SEGMENTS = 8  # quadratic pieces per edge, each within a quarter period


def edge(offset: int) -> list[tuple[int, int, bool]]:
    """One edge of the band, left to right: (x, y, on_curve) points, each
    quadratic piece's control point where the sine's tangents at its ends
    meet."""
    width = RIGHT - LEFT

    def at(t: float) -> tuple[float, float, float]:
        angle = 2 * math.pi * t
        slope = AMPLITUDE * 2 * math.pi / width * math.cos(angle)
        return LEFT + t * width, MIDDLE + offset + AMPLITUDE * math.sin(angle), slope

    points = []
    for i in range(SEGMENTS):
        x0, y0, m0 = at(i / SEGMENTS)
        x1, y1, m1 = at((i + 1) / SEGMENTS)
        cx = (y1 - y0 + m0 * x0 - m1 * x1) / (m0 - m1)
        cy = y0 + m0 * (cx - x0)
        if i == 0:
            points.append((round(x0), round(y0), True))
        points.append((round(cx), round(cy), False))
        points.append((round(x1), round(y1), True))
    return points


def tilde_outline() -> list[tuple[int, int, bool]]:
    """The band as one clockwise contour: the upper edge left to right, the
    lower edge back; the ends are straight vertical cuts."""
    return edge(HALF_BAND) + list(reversed(edge(-HALF_BAND)))


def glyph_data(points: list[tuple[int, int, bool]]) -> bytes:
    """A simple glyph without instructions; every coordinate as a 16-bit
    delta."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    data = struct.pack(">hhhhh", 1, min(xs), min(ys), max(xs), max(ys))
    data += struct.pack(">HH", len(points) - 1, 0)
    data += bytes(1 if on else 0 for _, _, on in points)
    for coords in (xs, ys):
        previous = 0
        for c in coords:
            data += struct.pack(">h", c - previous)
            previous = c
    return data + b"\0" * (-len(data) % 4)


def cmap_table() -> bytes:
    """Format 4 for the Windows Unicode platform: U+FF5E to glyph 1 and the
    closing segment."""
    segments = [(CODE_POINT, CODE_POINT, (1 - CODE_POINT) & 0xFFFF), (0xFFFF, 0xFFFF, 1)]
    count = len(segments)
    search = 2 * 2 ** int(math.log2(count))
    sub = struct.pack(">HHH", 4, 16 + 8 * count, 0)
    sub += struct.pack(">HHHH", 2 * count, search, int(math.log2(count)), 2 * count - search)
    sub += b"".join(struct.pack(">H", end) for _, end, _ in segments)
    sub += struct.pack(">H", 0)
    sub += b"".join(struct.pack(">H", start) for start, _, _ in segments)
    sub += b"".join(struct.pack(">H", delta) for _, _, delta in segments)
    sub += b"".join(struct.pack(">H", 0) for _ in segments)
    return struct.pack(">HHHHL", 0, 1, 3, 1, 12) + sub


def name_table() -> bytes:
    names = {
        0: "Copyright 2026 the vorlash developers",
        1: FAMILY,
        2: "Regular",
        3: FAMILY + " Regular 1.000",
        4: FAMILY,
        5: "Version 1.000",
        6: FAMILY.replace(" ", "") + "-Regular",
    }
    records, strings = b"", b""
    for name_id, text in names.items():
        encoded = text.encode("utf-16-be")
        records += struct.pack(">HHHHHH", 3, 1, 0x409, name_id, len(encoded), len(strings))
        strings += encoded
    return struct.pack(">HHH", 0, len(names), 6 + len(records)) + records + strings


def os2_table(bounds: tuple[int, int, int, int]) -> bytes:
    """Version 4. Unicode range bit 68: half-width and full-width forms; code
    page Latin 1 only, so that no system takes it for a Japanese font."""
    data = struct.pack(">HhHHH", 4, ADVANCE, 400, 5, 0)  # fsType 0: may be embedded
    data += struct.pack(">10h", 650, 600, 0, 75, 650, 600, 0, 350, 50, 300)
    data += struct.pack(">h", 0) + bytes(10)  # family class, PANOSE
    data += struct.pack(">LLLL", 0, 0, 1 << 4, 0)
    data += b"NONE"
    data += struct.pack(">HHH", 0x40, CODE_POINT, CODE_POINT)
    data += struct.pack(">hhhHH", ASCENT, -DESCENT, 0, ASCENT, DESCENT)
    data += struct.pack(">LL", 1, 0)
    data += struct.pack(">hhHHH", 0, 0, 0, 0x20, 0)
    return data


def checksum(data: bytes) -> int:
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(f">{len(data) // 4}L", data)) & 0xFFFFFFFF


def render() -> bytes:
    points = tilde_outline()
    tilde = glyph_data(points)
    bounds = (
        min(p[0] for p in points),
        min(p[1] for p in points),
        max(p[0] for p in points),
        max(p[1] for p in points),
    )
    x_min, y_min, x_max, y_max = bounds
    tables = {
        "OS/2": os2_table(bounds),
        "cmap": cmap_table(),
        "glyf": tilde,  # .notdef is empty
        # A fixed date, so that the file is the same on every run.
        "head": struct.pack(">LLLLHHqqhhhhHHhhh", 0x10000, 0x10000, 0, 0x5F0F3CF5, 0x000B, EM,
                            CREATED, CREATED, x_min, y_min, x_max, y_max, 0, 8, 2, 1, 0),
        "hhea": struct.pack(">LhhhHhhhhhh4hhH", 0x10000, ASCENT, -DESCENT, 0, ADVANCE, x_min,
                            ADVANCE - x_max, x_max, 1, 0, 0, 0, 0, 0, 0, 0, 2),
        "hmtx": struct.pack(">HhHh", ADVANCE, 0, ADVANCE, x_min),
        "loca": struct.pack(">LLL", 0, 0, len(tilde)),
        "maxp": struct.pack(">LHHHHHHHHHHHHHH", 0x10000, 2, len(points), 1, 0, 0, 2, 0, 0, 0, 0,
                            0, 0, 0, 0),
        "name": name_table(),
        "post": struct.pack(">LLhhLLLLL", 0x30000, 0, -100, 50, 1, 0, 0, 0, 0),
    }
    count = len(tables)
    search = 16 * 2 ** int(math.log2(count))
    header = struct.pack(">LHHHH", 0x10000, count, search, int(math.log2(count)),
                         16 * count - search)
    offset = len(header) + 16 * count
    directory, body = b"", b""
    for tag in sorted(tables):
        data = tables[tag]
        directory += struct.pack(">4sLLL", tag.encode("ascii"), checksum(data), offset, len(data))
        padded = data + b"\0" * (-len(data) % 4)
        body += padded
        offset += len(padded)
    font = bytearray(header + directory + body)
    # head's checkSumAdjustment makes the whole file sum to the magic number.
    head_at = font.find(b"head") + 8
    head_offset = struct.unpack(">L", font[head_at : head_at + 4])[0]
    adjustment = (0xB1B0AFBA - checksum(bytes(font))) & 0xFFFFFFFF
    struct.pack_into(">L", font, head_offset + 8, adjustment)
    return bytes(font)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="only check the committed file")
    args = parser.parse_args()
    font = render()
    if args.check:
        with open(OUT, "rb") as f:
            if f.read() != font:
                print(f"{OUT} is out of date: run {sys.argv[0]}", file=sys.stderr)
                return 1
        return 0
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    with open(OUT, "wb") as f:
        f.write(font)
    return 0


if __name__ == "__main__":
    sys.exit(main())
