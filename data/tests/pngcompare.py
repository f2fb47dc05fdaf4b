"""Compares two PNG files by what they show, whichever zlib compressed them.

The deflated bytes of a PNG differ between zlib builds (zlib-ng, say) for the
same pixels, but inflated they are the same everywhere. Two images match when
their size and format (IHDR), their other chunks (palette, transparency and
any other), their pixels after the row filters are undone, and their choice of
stored or deflated pixel data (the photograph is stored for a quicker start)
all match.
"""

import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}  # by colour type


class Png:
    def __init__(self, header, others, stored, rows):
        self.width, self.height, self.depth, self.colour_type, self.interlace = header
        self.others = others  # [(kind, body)] of every chunk but IHDR, IDAT and IEND
        self.stored = stored
        self.rows = rows  # one bytes object a row, the filters undone
        self.bits = CHANNELS[self.colour_type] * self.depth  # per pixel


def chunks(data):
    """[(kind, body)] of a PNG file's bytes; ValueError where they are not one."""
    if not data.startswith(SIGNATURE):
        raise ValueError("not a PNG file")
    found, pos = [], len(SIGNATURE)
    while pos < len(data):
        if pos + 12 > len(data):
            raise ValueError("cut short")
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        crc = data[pos + 8 + length:pos + 12 + length]
        if len(crc) < 4 or struct.unpack(">I", crc)[0] != zlib.crc32(kind + body):
            raise ValueError(f"chunk {kind.decode('latin-1')}: bad CRC or cut short")
        found.append((kind, body))
        pos += 12 + length
    return found


def is_stored(stream):
    """Whether every deflate block of a zlib stream is stored (compression level 0).
    Stored blocks end on a byte boundary, so each header read here starts one."""
    pos = 2  # past the zlib header
    while pos < len(stream):
        if (stream[pos] >> 1) & 3 != 0:
            return False
        length = int.from_bytes(stream[pos + 1:pos + 3], "little")
        if stream[pos] & 1:
            return True
        pos += 5 + length
    return False


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def unfilter_row(kind, line, prior, step):
    """Undoes one row's filter; step: bytes a pixel, at least 1."""
    if kind == 0:
        return bytes(line)
    row = bytearray(line)
    for i in range(len(row)):
        a = row[i - step] if i >= step else 0
        b = prior[i]
        c = prior[i - step] if i >= step else 0
        if kind == 1:
            row[i] = (row[i] + a) & 0xFF
        elif kind == 2:
            row[i] = (row[i] + b) & 0xFF
        elif kind == 3:
            row[i] = (row[i] + (a + b) // 2) & 0xFF
        elif kind == 4:
            row[i] = (row[i] + paeth(a, b, c)) & 0xFF
        else:
            raise ValueError(f"unknown row filter {kind}")
    return bytes(row)


def unfilter(raw, stride, step):
    """The rows of inflated image data, each of stride bytes after its filter byte."""
    if len(raw) % (stride + 1):
        raise ValueError("pixel data of the wrong length")
    rows, prior = [], bytes(stride)
    for start in range(0, len(raw), stride + 1):
        prior = unfilter_row(raw[start], raw[start + 1:start + 1 + stride], prior, step)
        rows.append(prior)
    return rows


def read_png(path):
    with open(path, "rb") as f:
        found = chunks(f.read())
    if not found or found[0][0] != b"IHDR" or found[-1][0] != b"IEND":
        raise ValueError("no IHDR first or no IEND last")
    width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", found[0][1])
    if colour_type not in CHANNELS or interlace != 0:
        raise ValueError(f"colour type {colour_type}, interlace {interlace}: not read here")
    stream = b"".join(body for kind, body in found if kind == b"IDAT")
    others = [(kind, body) for kind, body in found[1:-1] if kind != b"IDAT"]
    bits = CHANNELS[colour_type] * depth
    try:
        raw = zlib.decompress(stream)
    except zlib.error as e:
        raise ValueError(f"pixel data: {e}") from None
    rows = unfilter(raw, (width * bits + 7) // 8, max(1, bits // 8))
    if len(rows) != height:
        raise ValueError(f"{len(rows)} rows of pixels, not {height}")
    return Png((width, height, depth, colour_type, interlace), others, is_stored(stream), rows)


def first_pixel_difference(a, b):
    """(x, y, bytes in a, bytes in b) of the first pixel whose bytes differ, or None.
    Below 8 bits a pixel, x is the first pixel of the differing byte."""
    for y, (row_a, row_b) in enumerate(zip(a.rows, b.rows)):
        if row_a == row_b:
            continue
        i = next(i for i, (p, q) in enumerate(zip(row_a, row_b)) if p != q)
        x = i * 8 // a.bits
        start, end = x * a.bits // 8, ((x + 1) * a.bits + 7) // 8
        return x, y, row_a[start:end].hex(), row_b[start:end].hex()
    return None


def chunk_kinds(png):
    return "[" + " ".join(kind.decode("latin-1") for kind, _ in png.others) + "]"


def storage(png):
    return "stored" if png.stored else "deflated"


def difference(committed, drawn):
    """What first differs between the committed image and the one drawn now, or
    None when they show the same."""
    images = []
    for name, path in (("committed", committed), ("drawn", drawn)):
        try:
            images.append(read_png(path))
        except ValueError as e:
            return f"the {name} image is unreadable: {e}"
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
