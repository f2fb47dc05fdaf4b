"""A small anti-aliased vector rasteriser and PNG writer, standard library only.

Shapes are paths of M/L/C/A/Z commands in SVG syntax (arcs: circular, no
rotation). The same command lists are written into the SVG icon, so the PNGs
and the SVG show one drawing.
"""

import math
import struct
import zlib


# ---------------------------------------------------------------- PNG output

def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def write_png(path, width, height, rows, mode, palette=None, transparent=None, depth=8, level=9):
    """rows: list of bytes per row, already packed for the mode ('RGB', 'RGBA', 'P');
    level: the zlib compression level, 0 to store the pixels as they are."""
    colour_type = {"RGB": 2, "RGBA": 6, "P": 3}[mode]
    raw = b"".join(b"\x00" + row for row in rows)
    out = [b"\x89PNG\r\n\x1a\n",
           _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, 0))]
    if palette is not None:
        out.append(_chunk(b"PLTE", b"".join(bytes(c) for c in palette)))
        if transparent is not None:
            out.append(_chunk(b"tRNS", bytes(transparent)))
    out.append(_chunk(b"IDAT", zlib.compress(raw, level)))
    out.append(_chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(b"".join(out))


# ------------------------------------------------------------------ geometry

def parse_path(d):
    """Tokenises an SVG path string limited to absolute M L C A Z."""
    tokens = d.replace(",", " ").split()
    cmds, i = [], 0
    arity = {"M": 2, "L": 2, "C": 6, "A": 7, "Z": 0}
    cmd = None
    while i < len(tokens):
        t = tokens[i]
        if t in arity:
            cmd = t
            i += 1
            if cmd == "Z":
                cmds.append(("Z",))
                continue
        n = arity[cmd]
        cmds.append((cmd, *[float(v) for v in tokens[i:i + n]]))
        i += n
        if cmd == "M":
            cmd = "L"
    return cmds


def _arc_points(x0, y0, r, large, sweep, x1, y1, scale):
    # Endpoint to centre parameterisation of a circular arc (SVG F.6.5).
    dx, dy = (x0 - x1) / 2, (y0 - y1) / 2
    d2 = dx * dx + dy * dy
    r = max(r, math.sqrt(d2))
    f = math.sqrt(max(0.0, (r * r - d2) / d2)) if d2 else 0.0
    if large == sweep:
        f = -f
    cx = (x0 + x1) / 2 + f * dy
    cy = (y0 + y1) / 2 - f * dx
    a0 = math.atan2(y0 - cy, x0 - cx)
    a1 = math.atan2(y1 - cy, x1 - cx)
    da = a1 - a0
    if sweep and da < 0:
        da += 2 * math.pi
    elif not sweep and da > 0:
        da -= 2 * math.pi
    n = max(2, math.ceil(abs(da) / _segment_angle(r * scale)))
    return [(cx + r * math.cos(a0 + da * k / n), cy + r * math.sin(a0 + da * k / n))
            for k in range(1, n + 1)]


TOLERANCE = 0.02  # largest gap, in pixels, between a curve and its flattened chords


def _segment_angle(radius):
    return 2 * math.acos(max(-1.0, 1 - TOLERANCE / radius)) if radius > TOLERANCE else math.pi


def polylines(cmds, m, scale):
    """Flattens a path, transformed by matrix m, into [(points, closed)]."""
    out, cur, x, y = [], [], 0.0, 0.0

    def tf(px, py):
        return (m[0] * px + m[2] * py + m[4], m[1] * px + m[3] * py + m[5])

    for c in cmds:
        op = c[0]
        if op == "M":
            if len(cur) > 1:
                out.append((cur, False))
            x, y = c[1], c[2]
            cur = [tf(x, y)]
        elif op == "L":
            x, y = c[1], c[2]
            cur.append(tf(x, y))
        elif op == "C":
            x1, y1, x2, y2, x3, y3 = c[1:]
            length = math.dist((x, y), (x1, y1)) + math.dist((x1, y1), (x2, y2)) \
                + math.dist((x2, y2), (x3, y3))
            n = max(2, int(length * scale / 2))
            for k in range(1, n + 1):
                t = k / n
                u = 1 - t
                px = u * u * u * x + 3 * u * u * t * x1 + 3 * u * t * t * x2 + t * t * t * x3
                py = u * u * u * y + 3 * u * u * t * y1 + 3 * u * t * t * y2 + t * t * t * y3
                cur.append(tf(px, py))
            x, y = x3, y3
        elif op == "A":
            r, _ry, _rot, large, sweep, x1, y1 = c[1:]
            for px, py in _arc_points(x, y, r, int(large), int(sweep), x1, y1, scale):
                cur.append(tf(px, py))
            x, y = x1, y1
        elif op == "Z":
            if len(cur) > 1:
                out.append((cur, True))
            cur = []
    if len(cur) > 1:
        out.append((cur, False))
    return out


def flatten(cmds, m, scale):
    """The polygons a path fills (open subpaths close implicitly)."""
    return [p for p, _closed in polylines(cmds, m, scale) if len(p) > 2]


def stroke_polys(points, width, closed):
    """Outline of a polyline as a union of quads and round joins (non-zero rule)."""
    h = width / 2
    pts = points + [points[0]] if closed else points
    out = []
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        dx, dy = bx - ax, by - ay
        ln = math.hypot(dx, dy)
        if ln == 0:
            continue
        nx, ny = -dy / ln * h, dx / ln * h
        out.append(_ccw([(ax + nx, ay + ny), (bx + nx, by + ny), (bx - nx, by - ny), (ax - nx, ay - ny)]))
    n = max(8, math.ceil(2 * math.pi / _segment_angle(h)))
    for px, py in pts:
        out.append(_ccw([(px + h * math.cos(2 * math.pi * k / n), py + h * math.sin(2 * math.pi * k / n))
                         for k in range(n)]))
    return out


def _ccw(poly):
    area = sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]))
    return poly if area > 0 else poly[::-1]


def mat_mul(a, b):
    """a after b, both as SVG matrices (a b c d e f)."""
    return (a[0] * b[0] + a[2] * b[1], a[1] * b[0] + a[3] * b[1],
            a[0] * b[2] + a[2] * b[3], a[1] * b[2] + a[3] * b[3],
            a[0] * b[4] + a[2] * b[5] + a[4], a[1] * b[4] + a[3] * b[5] + a[5])


def rotation(deg, cx, cy):
    a = math.radians(deg)
    c, s = math.cos(a), math.sin(a)
    return (c, s, -s, c, cx - c * cx + s * cy, cy - s * cx - c * cy)


IDENTITY = (1.0, 0.0, 0.0, 1.0, 0.0, 0.0)


# ------------------------------------------------------------------- canvas

class Canvas:
    """Straight-alpha RGBA float canvas with source-over compositing."""

    SUB = 8  # vertical sub-scanlines per pixel; horizontal coverage is exact

    def __init__(self, width, height, background=(0, 0, 0, 0)):
        self.w, self.h = width, height
        self.px = [[list(background) for _ in range(width)] for _ in range(height)]

    def coverage(self, polys):
        """Per-row dict {x: coverage} of the union of polygons under the non-zero rule."""
        edges = []
        for poly in polys:
            for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
                if y0 != y1:
                    edges.append((x0, y0, x1, y1, 1 if y1 > y0 else -1))
        if not edges:
            return {}
        ymin = max(0, int(math.floor(min(min(e[1], e[3]) for e in edges))))
        ymax = min(self.h - 1, int(math.floor(max(max(e[1], e[3]) for e in edges))))
        rows = {}
        sub = self.SUB
        for py in range(ymin, ymax + 1):
            active = [e for e in edges if min(e[1], e[3]) < py + 1 and max(e[1], e[3]) > py]
            if not active:
                continue
            acc = {}
            for s in range(sub):
                sy = py + (s + 0.5) / sub
                xs = []
                for x0, y0, x1, y1, d in active:
                    if (y0 <= sy < y1) or (y1 <= sy < y0):
                        xs.append((x0 + (sy - y0) * (x1 - x0) / (y1 - y0), d))
                xs.sort()
                wind = 0
                for x, d in xs:
                    before = wind
                    wind += d
                    if before == 0 and wind != 0:
                        start = x
                    elif before != 0 and wind == 0:
                        self._span(acc, start, x, 1.0 / sub)
            if acc:
                rows[py] = acc
        return rows

    def _span(self, acc, xa, xb, weight):
        xa, xb = max(xa, 0.0), min(xb, float(self.w))
        if xb <= xa:
            return
        ia, ib = int(xa), int(xb)
        if ia == ib:
            acc[ia] = acc.get(ia, 0.0) + (xb - xa) * weight
            return
        acc[ia] = acc.get(ia, 0.0) + (ia + 1 - xa) * weight
        for i in range(ia + 1, min(ib, self.w)):
            acc[i] = acc.get(i, 0.0) + weight
        if ib < self.w:
            acc[ib] = acc.get(ib, 0.0) + (xb - ib) * weight

    def paint(self, rows, colour_at, opacity=1.0):
        """colour_at(x, y) -> (r, g, b, a) with a in 0..1, at pixel centres."""
        for py, acc in rows.items():
            line = self.px[py]
            for px, cov in acc.items():
                r, g, b, a = colour_at(px + 0.5, py + 0.5)
                a *= min(cov, 1.0) * opacity
                if a <= 0:
                    continue
                d = line[px]
                out_a = a + d[3] * (1 - a)
                k = d[3] * (1 - a)
                line[px] = [(r * a + d[0] * k) / out_a, (g * a + d[1] * k) / out_a,
                            (b * a + d[2] * k) / out_a, out_a]

    def rgba_rows(self):
        return [bytes(max(0, min(255, int(round(v * 255 if i == 3 else v))))
                      for p in row for i, v in enumerate(p)) for row in self.px]

    def rgb_rows(self):
        return [bytes(max(0, min(255, int(round(v)))) for p in row for v in p[:3]) for row in self.px]


def solid(rgb, alpha=1.0):
    c = (rgb[0], rgb[1], rgb[2], alpha)
    return lambda _x, _y: c


def linear(x0, y0, x1, y1, stops):
    """Linear gradient in device space; stops: [(offset, (r, g, b))]."""
    dx, dy = x1 - x0, y1 - y0
    dd = dx * dx + dy * dy or 1.0

    def at(x, y):
        t = min(1.0, max(0.0, ((x - x0) * dx + (y - y0) * dy) / dd))
        for (o0, c0), (o1, c1) in zip(stops, stops[1:]):
            if t <= o1:
                f = 0.0 if o1 == o0 else (t - o0) / (o1 - o0)
                return (c0[0] + (c1[0] - c0[0]) * f, c0[1] + (c1[1] - c0[1]) * f,
                        c0[2] + (c1[2] - c0[2]) * f, 1.0)
        c = stops[-1][1]
        return (c[0], c[1], c[2], 1.0)
    return at


def hex_rgb(h):
    h = h.lstrip("#")
    return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16))
