"""A small GIF89a writer: one image, a global colour table, LZW compression.

Standard library only.  Used by make_pictures.py.
"""

import struct


def _lzw(indices, min_code_size):
    """LZW-compress a sequence of palette indices into GIF's bit stream."""
    clear = 1 << min_code_size
    end = clear + 1

    out = bytearray()
    bit_buf = 0
    bit_count = 0

    def emit(code, width):
        nonlocal bit_buf, bit_count
        bit_buf |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buf & 0xFF)
            bit_buf >>= 8
            bit_count -= 8

    def fresh_table():
        return {(i,): i for i in range(clear)}

    table = fresh_table()
    next_code = end + 1
    width = min_code_size + 1
    emit(clear, width)

    prefix = ()
    for index in indices:
        candidate = prefix + (index,)
        if candidate in table:
            prefix = candidate
            continue
        emit(table[prefix], width)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            # The decoder grows its code width one code later than we add
            # entries, so widen once the code just assigned needs more bits.
            if next_code - 1 == (1 << width) and width < 12:
                width += 1
        else:
            # Table full: start again with a clear code.
            emit(clear, width)
            table = fresh_table()
            next_code = end + 1
            width = min_code_size + 1
        prefix = (index,)
    if prefix:
        emit(table[prefix], width)
    emit(end, width)
    if bit_count:
        out.append(bit_buf & 0xFF)
    return bytes(out)


def encode(width, height, palette, pixels):
    """Return the bytes of a GIF89a file.

    palette: list of (r, g, b) tuples, at most 256.
    pixels:  width * height palette indices, row by row from the top.
    """
    if not 1 <= len(palette) <= 256:
        raise ValueError("palette must have 1 to 256 colours")
    if len(pixels) != width * height:
        raise ValueError("pixel count does not match the size")
    if any(not 0 <= p < len(palette) for p in pixels):
        raise ValueError("pixel index outside the palette")

    # The colour table holds 2**(n+1) entries; pad with black.
    n = 0
    while (2 << n) < len(palette):
        n += 1
    table = list(palette) + [(0, 0, 0)] * ((2 << n) - len(palette))
    min_code_size = max(2, n + 1)

    data = bytearray(b"GIF89a")
    # Logical screen: global colour table present, 8 bits of colour
    # resolution, table size 2**(n+1), background colour 0, square pixels.
    data += struct.pack("<HHBBB", width, height, 0x80 | 0x70 | n, 0, 0)
    for r, g, b in table:
        data += bytes((r, g, b))
    # Image descriptor: whole screen, no local table, not interlaced.
    data += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    data.append(min_code_size)
    stream = _lzw(pixels, min_code_size)
    for i in range(0, len(stream), 255):
        block = stream[i:i + 255]
        data.append(len(block))
        data += block
    data.append(0)          # end of image data
    data.append(0x3B)       # trailer
    return bytes(data)
