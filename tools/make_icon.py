#!/usr/bin/env python3
"""Draw the client's icon into data/icons/quorlak-N.png.

The icon is a 16 x 16 pixel map below: a stone frame around the black
display, a Q in the game's orange, and the terminal's cursor under it. It is written at
16, 32, 48, 64, 128 and 256 pixels, each pixel a whole square (no smoothing),
so it stays pixel art at every size. '.' is transparent.

Standard library only:  python3 tools/make_icon.py
"""

import os
import struct
import zlib

ART = """
.##############.
#ssssssssssssss#
#s............s#
#s....oooo....s#
#s...oo..oo...s#
#s..oo....oo..s#
#s..oo....oo..s#
#s..oo....oo..s#
#s..oo.oo.oo..s#
#s..oo..oooo..s#
#s...oo..ooo..s#
#s....oooo.oo.s#
#s.gg.......o.s#
#ssssssssssssss#
#ssssssssssssss#
.##############.
"""

PALETTE = {
    ".": (0, 0, 0, 0),
    "#": (60, 60, 72, 255),      # the frame's dark edge
    "s": (128, 128, 144, 255),   # stone
    "o": (255, 128, 0, 255),     # the game's orange
    "g": (255, 215, 0, 255),     # cursor
}
BACKGROUND = (0, 0, 0, 255)      # the display inside the frame
SIZES = (16, 32, 48, 64, 128, 256)


def pixels():
    rows = [line for line in ART.strip("\n").split("\n")]
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), "the map must be 16 x 16"
    inside = lambda x, y: 2 <= x <= 13 and 2 <= y <= 12
    return [[BACKGROUND if c == "." and inside(x, y) else PALETTE[c] for x, c in enumerate(row)]
            for y, row in enumerate(rows)]


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png(art, scale):
    size = len(art) * scale
    raw = bytearray()
    for row in art:
        line = bytearray([0])  # no filter
        for px in row:
            line += bytes(px) * scale
        raw += bytes(line) * scale
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "icons")
    os.makedirs(out, exist_ok=True)
    art = pixels()
    for size in SIZES:
        with open(os.path.join(out, "quorlak-%d.png" % size), "wb") as f:
            f.write(png(art, size // 16))


if __name__ == "__main__":
    main()
