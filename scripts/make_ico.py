#!/usr/bin/env python3
"""Writes a Windows .ico from square RGBA PNGs, standard library only.

Each PNG becomes two classic DIB entries: 8-bit (256-colour palette, AND mask
for transparency) and 32-bit (BGRA with straight alpha, plus AND mask).

Usage: make_ico.py OUT.ico IN.png [IN.png ...]
"""
import struct
import sys
import zlib


def read_png(path):
    """Returns (width, height, rows) where rows[y][x] is an (r, g, b, a) tuple.

    Only 8-bit RGBA, non-interlaced PNGs are handled; that is what
    rsvg-convert writes.
    """
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG")
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, ctype, interlace) != (8, 6, 0):
                sys.exit(f"{path}: need 8-bit RGBA non-interlaced, got depth {depth} type {ctype}")
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    raw = zlib.decompress(idat)
    stride, bpp = width * 4, 4
    rows, prev = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        ftype, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ftype == 1:
                line[i] = (line[i] + a) & 0xFF
            elif ftype == 2:
                line[i] = (line[i] + b) & 0xFF
            elif ftype == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif ftype == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 0xFF
        rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
        prev = line
    return width, height, rows


def median_cut(histogram, max_colours):
    """Reduces {(r, g, b): count} to at most max_colours weighted-mean colours."""
    boxes = [list(histogram.items())]
    while len(boxes) < max_colours:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break

        def spread(box):
            return max(max(c[0][ch] for c in box) - min(c[0][ch] for c in box) for ch in range(3))

        box = max(splittable, key=spread)
        boxes.remove(box)
        channel = max(range(3), key=lambda ch: max(c[0][ch] for c in box) - min(c[0][ch] for c in box))
        box.sort(key=lambda c: c[0][channel])
        half, seen, cut = sum(n for _, n in box) / 2, 0, 1
        for i, (_, n) in enumerate(box[:-1]):
            seen += n
            cut = i + 1
            if seen >= half:
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[ch] * n for c, n in box) / total) for ch in range(3)))
    return palette


def and_mask(width, height, rows, transparent):
    """1-bit mask, bottom-up, rows padded to 4 bytes; a set bit means transparent."""
    stride = ((width + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, px in enumerate(row):
            if transparent(px):
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def bitmap_header(width, height, bit_count, image_size, colours_used):
    # Height is doubled: the XOR image and the AND mask are stacked.
    return struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bit_count, 0,
                       image_size, 0, 0, colours_used, 0)


def dib_32(width, height, rows):
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    mask = and_mask(width, height, rows, lambda px: px[3] == 0)
    return bitmap_header(width, height, 32, len(pixels) + len(mask), 0) + pixels + mask


def dib_8(width, height, rows):
    # Palette has no alpha: pixels at least half opaque keep their colour,
    # the rest become index 0 under a set mask bit.
    def transparent(px):
        return px[3] < 128

    histogram = {}
    for row in rows:
        for px in row:
            if not transparent(px):
                histogram[px[:3]] = histogram.get(px[:3], 0) + 1
    if len(histogram) <= 255:
        colours = sorted(histogram)
    else:
        colours = median_cut(histogram, 255)
    palette = [(0, 0, 0)] + colours + [(0, 0, 0)] * (255 - len(colours))
    index_of = {}

    def index(rgb):
        if rgb not in index_of:
            index_of[rgb] = 1 + min(range(len(colours)), key=lambda i: sum(
                (colours[i][ch] - rgb[ch]) ** 2 for ch in range(3)))
        return index_of[rgb]

    stride = (width + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, px in enumerate(row):
            line[x] = 0 if transparent(px) else index(px[:3])
        pixels += line
    mask = and_mask(width, height, rows, transparent)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return bitmap_header(width, height, 8, len(pixels) + len(mask), 256) + table + pixels + mask


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__.strip())
    out_path, entries = sys.argv[1], []
    for path in sys.argv[2:]:
        width, height, rows = read_png(path)
        if width != height or width > 256:
            sys.exit(f"{path}: icons must be square and at most 256 px")
        for bit_count, make in ((8, dib_8), (32, dib_32)):
            entries.append((width, bit_count, make(width, height, rows)))

    offset = 6 + 16 * len(entries)
    directory, images = struct.pack("<HHH", 0, 1, len(entries)), b""
    for size, bit_count, dib in entries:
        # bColorCount is 0 both for 256 colours and for true colour.
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1,
                                 bit_count, len(dib), offset)
        offset += len(dib)
        images += dib
    with open(out_path, "wb") as f:
        f.write(directory + images)


if __name__ == "__main__":
    main()
