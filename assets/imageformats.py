# SPDX-License-Identifier: MIT
"""Small readers and writers for the exact picture formats the game ships, where no Debian tool writes them."""

import struct
import zlib

# The standard 16-colour palette, in the order 4-bit pictures index it.
STANDARD_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def read_png_rgba(path):
    """(width, height, rows of (r, g, b, a)) from an 8-bit RGB or RGBA, non-interlaced PNG such as rsvg-convert
    writes (RGB when the picture is wholly opaque)."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or colour_type not in (2, 6) or interlace != 0:
        raise ValueError(f"{path}: expected 8-bit RGB or RGBA, not interlaced")
    raw = zlib.decompress(idat)
    bpp = 4 if colour_type == 6 else 3
    stride = width * bpp
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for x in range(stride):
            left = line[x - bpp] if x >= bpp else 0
            up = previous[x]
            upper_left = previous[x - bpp] if x >= bpp else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else upper_left
                line[x] = (line[x] + predictor) & 0xFF
        rows.append([tuple(line[i:i + 3]) + ((line[i + 3],) if bpp == 4 else (255,)) for i in range(0, stride, bpp)])
        previous = line
    return width, height, rows


def flatten(rows, background):
    """RGB rows: each RGBA pixel composed over an opaque background colour."""
    def over(pixel):
        r, g, b, a = pixel
        return tuple((c * a + bg * (255 - a) + 127) // 255 for c, bg in zip((r, g, b), background))
    return [[over(p) for p in row] for row in rows]


def png_rgba(rows):
    """An 8-bit RGBA PNG of rows of (r, g, b, a), unfiltered."""
    height, width = len(rows), len(rows[0])

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def write_ppm(rows):
    height, width = len(rows), len(rows[0])
    return b"P6\n%d %d\n255\n" % (width, height) + bytes(c for row in rows for p in row for c in p)


def bmp24(rows, dots_per_inch=96):
    """A bitmap with a 40-byte information header, 24 bits per pixel, uncompressed, rows bottom-up."""
    height, width = len(rows), len(rows[0])
    row_size = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytes(c for r, g, b in row for c in (b, g, r))
        pixels += line + bytes(row_size - len(line))
    per_metre = round(dots_per_inch / 0.0254)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), per_metre, per_metre, 0, 0)
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + info + pixels


def ico4(images):
    """An icon file of 4-bit images over the standard palette; each image is rows of palette indexes, None
    where the pixel is transparent."""
    entries, bodies = [], []
    offset = 6 + 16 * len(images)
    for rows in images:
        height, width = len(rows), len(rows[0])
        colour_row = (width * 4 + 31) // 32 * 4
        mask_row = (width + 31) // 32 * 4
        colours, mask = bytearray(), bytearray()
        for row in reversed(rows):
            line = bytearray(colour_row)
            bits = bytearray(mask_row)
            for x, index in enumerate(row):
                if index is None:
                    bits[x // 8] |= 0x80 >> (x % 8)
                    index = 0
                line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            colours += line
            mask += bits
        palette = bytes(c for r, g, b in STANDARD_16 for c in (b, g, r, 0))
        info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 4, 0, len(colours) + len(mask), 0, 0, 0, 0)
        body = info + palette + colours + mask
        entries.append(struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, 1, 4, len(body), offset))
        bodies.append(body)
        offset += len(body)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(bodies)


def quantize(rows, colours=256):
    """(palette, index rows): the most frequent colours kept, every other pixel mapped to the nearest of them."""
    counts = {}
    for row in rows:
        for p in row:
            counts[p] = counts.get(p, 0) + 1
    palette = sorted(sorted(counts), key=lambda p: -counts[p])[:colours]
    index = {p: i for i, p in enumerate(palette)}

    def nearest(p):
        if p not in index:
            index[p] = min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(p, palette[i])))
        return index[p]
    return palette, [[nearest(p) for p in row] for row in rows]


def gif87a(rows):
    """A GIF87a picture: a full 256-entry global colour table, no transparency, not interlaced."""
    height, width = len(rows), len(rows[0])
    palette, indexes = quantize(rows)
    table = bytes(c for p in palette for c in p) + bytes(3 * (256 - len(palette)))
    screen = struct.pack("<6sHHBBB", b"GIF87a", width, height, 0xF7, 0, 0)
    descriptor = struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    data = lzw(bytes(i for row in indexes for i in row), 8)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255))
    return screen + table + descriptor + bytes([8]) + blocks + b"\x00;"


def lzw(pixels, minimum_code_size):
    clear, end = 1 << minimum_code_size, (1 << minimum_code_size) + 1
    out, bit_buffer, bit_count = bytearray(), 0, 0

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def fresh():
        return {bytes([i]): i for i in range(clear)}, end + 1, minimum_code_size + 1

    table, next_code, width = fresh()
    emit(clear, width)
    current = b""
    for value in pixels:
        candidate = current + bytes([value])
        if candidate in table:
            current = candidate
            continue
        emit(table[current], width)
        if next_code == 4096:
            emit(clear, width)
            table, next_code, width = fresh()
        else:
            table[candidate] = next_code
            if next_code == 1 << width and width < 12:
                width += 1
            next_code += 1
        current = bytes([value])
    emit(table[current], width)
    emit(end, width)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def jfif_102(jpeg):
    """The JPEG with its JFIF header marked as version 1.02 (libjpeg writes 1.01)."""
    if jpeg[2:4] != b"\xff\xe0" or jpeg[6:11] != b"JFIF\x00":
        raise ValueError("the JPEG does not start with a JFIF header")
    return jpeg[:11] + b"\x01\x02" + jpeg[13:]
