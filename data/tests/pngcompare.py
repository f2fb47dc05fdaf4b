"""Compares two PNG files by what they show, whichever zlib compressed them."""

# Deflated bytes differ between zlib builds (zlib-ng, say) for the same pixels;
# inflated they are the same everywhere. Two images match when their size and
# format (IHDR), their other chunks (palette, transparency, any other), their
# pixels, and their choice of stored or deflated data (the photograph is stored
# for a quicker start) all match.

import collections
import struct
import zlib

CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}  # by colour type
Png = collections.namedtuple("Png", "width height depth colour_type others stored rows")


def chunks(data):
    """[(kind, body)] of a PNG file's bytes; ValueError where they are not one."""
    if not data.startswith(b"\x89PNG\r\n\x1a\n"):
        raise ValueError("not a PNG file")
    found, pos = [], 8
    while pos < len(data):
        if pos + 12 > len(data):
            raise ValueError("cut short")
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body, crc = data[pos + 8:pos + 8 + length], data[pos + 8 + length:pos + 12 + length]
        if crc != struct.pack(">I", zlib.crc32(kind + body)):
            raise ValueError(f"chunk {kind.decode('latin-1')}: bad CRC or cut short")
        found.append((kind, body))
        pos += 12 + length
    return found


def pixel_rows(raw, stride):
    """The rows of inflated image data, each of stride bytes after a filter byte of 0:
    the generator never filters a row, so a filtered one is not its drawing."""
    rows = [raw[start:start + stride + 1] for start in range(0, len(raw), stride + 1)]
    for y, row in enumerate(rows):
        if row[0] != 0 or len(row) != stride + 1:
            raise ValueError(f"row {y}: filter {row[0]} and {len(row) - 1} bytes, "
                             f"where the generator writes filter 0 and {stride} bytes")
    return [row[1:] for row in rows]


def read_png(path):
    with open(path, "rb") as f:
        found = chunks(f.read())
    if not found or found[0][0] != b"IHDR" or found[-1][0] != b"IEND":
        raise ValueError("no IHDR first or no IEND last")
    width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", found[0][1])
    if colour_type not in CHANNELS or interlace != 0:
        raise ValueError(f"colour type {colour_type}, interlace {interlace}: not read here")
    stream = b"".join(body for kind, body in found if kind == b"IDAT")
    try:
        raw = zlib.decompress(stream)
    except zlib.error as e:
        raise ValueError(f"pixel data: {e}") from None
    rows = pixel_rows(raw, (width * CHANNELS[colour_type] * depth + 7) // 8)
    if len(rows) != height:
        raise ValueError(f"{len(rows)} rows of pixels, not {height}")
    others = [(kind, body) for kind, body in found[1:-1] if kind != b"IDAT"]
    # Deflating makes the data smaller, storing (level 0) makes it larger.
    return Png(width, height, depth, colour_type, others, len(stream) > len(raw), rows)


def first_pixel_difference(a, b):
    """(x, y, bytes in a, bytes in b) of the first pixel (below 8 bits: byte) to differ."""
    bits = CHANNELS[a.colour_type] * a.depth
    for y, (row_a, row_b) in enumerate(zip(a.rows, b.rows)):
        if row_a != row_b:
            x = next(i for i, (p, q) in enumerate(zip(row_a, row_b)) if p != q) * 8 // bits
            start, end = x * bits // 8, ((x + 1) * bits + 7) // 8
            return x, y, row_a[start:end].hex(), row_b[start:end].hex()
    return None


def chunk_kinds(png):
    return "[" + " ".join(kind.decode("latin-1") for kind, _ in png.others) + "]"


def storage(png):
    return "stored" if png.stored else "deflated"


def difference(committed, drawn):
    """What first differs between the committed image and the one drawn now, or None."""
    images = []
    for name, path in (("committed", committed), ("drawn", drawn)):
        try:
            images.append(read_png(path))
        except ValueError as e:
            return f"the {name} image: {e}"
    a, b = images
    if (a.width, a.height) != (b.width, b.height):
        what, values = "size", (f"{a.width}x{a.height}", f"{b.width}x{b.height}")
    elif (a.colour_type, a.depth) != (b.colour_type, b.depth):
        what, values = "colour type/depth", (f"{a.colour_type}/{a.depth}",
                                             f"{b.colour_type}/{b.depth}")
    elif a.others != b.others:
        what, values = "palette, transparency or other chunks", (chunk_kinds(a), chunk_kinds(b))
    elif first_pixel_difference(a, b):
        x, y, *values = first_pixel_difference(a, b)
        what = f"first differing pixel ({x}, {y})"
    elif a.stored != b.stored:
        what, values = "pixel data", (storage(a), storage(b))
    else:
        return None
    return f"{what}: committed {values[0]}, drawn {values[1]}"
