"""A small aerial view of farmland in a river valley: a patchwork of fields
with hedgerows and trees, a winding river with wooded banks, a road and a
farmstead. Rendered at three times the size and averaged down, which gives
the soft look of a reduced photograph.
"""

import math

from raster import write_png

W, H, SS = 217, 69, 3


def _hash(ix, iy, seed):
    h = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFFFF) / float(0x1000000)


def _noise(x, y, seed):
    """Smooth value noise in 0..1."""
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a, b = _hash(ix, iy, seed), _hash(ix + 1, iy, seed)
    c, d = _hash(ix, iy + 1, seed), _hash(ix + 1, iy + 1, seed)
    return a + (b - a) * fx + (c - a) * fy + (a - b - c + d) * fx * fy


def _fbm(x, y, seed, octaves=4):
    total, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        total += _noise(x, y, seed + o * 17) * amp
        norm += amp
        x, y, amp = x * 2.03, y * 2.03, amp * 0.5
    return total / norm


def river_y(x):
    return 42 + 10 * math.sin(x / 31.0 + 0.6) + 5 * math.sin(x / 13.0 + 2.1) + 2 * math.sin(x / 6.1)


def road_y(x):
    return 13 + 5 * math.sin(x / 46.0 + 1.2) + 1.5 * math.sin(x / 17.0)


# Field surfaces: base colour, colour spread, stripe strength (crop rows).
SURFACES = [
    ((96, 122, 62), 10, 0.05),    # pasture
    ((112, 138, 68), 10, 0.06),   # young cereal
    ((78, 104, 52), 8, 0.04),     # lush meadow
    ((196, 172, 108), 12, 0.10),  # ripe wheat
    ((214, 198, 150), 10, 0.12),  # stubble
    ((132, 102, 74), 10, 0.14),   # ploughed
    ((106, 84, 64), 8, 0.16),     # dark ploughed soil
    ((172, 150, 96), 10, 0.08),   # hay, cut
]
WOOD = (52, 74, 42)


class Fields:
    """Jittered-grid Voronoi cells: fields with straight hedged boundaries."""

    def __init__(self):
        self.sites = []
        for gy in range(-1, 6):
            for gx in range(-1, 12):
                jx, jy = _hash(gx, gy, 5), _hash(gx, gy, 9)
                sx, sy = (gx + 0.2 + 0.6 * jx) * 20.0, (gy + 0.2 + 0.6 * jy) * 14.0
                near_river = abs(sy - river_y(sx)) < 14
                pick = _hash(gx, gy, 31)
                if near_river:
                    kind = [0, 2, 0, 1, 7][int(pick * 5)]
                elif sy < 16 and _hash(gx, gy, 41) < 0.22:
                    kind = -1  # woodland on the valley side
                else:
                    kind = int(pick * len(SURFACES))
                angle = _hash(gx, gy, 53) * math.pi
                hedge = _hash(gx, gy, 67) < 0.75
                self.sites.append((sx, sy, kind, angle, hedge, _hash(gx, gy, 71)))

    def at(self, x, y):
        best = second = None
        d1 = d2 = 1e9
        for s in self.sites:
            d = (s[0] - x) ** 2 + (s[1] - y) ** 2
            if d < d1:
                d2, second, d1, best = d1, best, d, s
            elif d < d2:
                d2, second = d, s
        gap = math.hypot(best[0] - second[0], best[1] - second[1])
        edge = (d2 - d1) / (2 * gap) if gap else 9.0  # distance to the shared boundary
        return best, second, edge


def _mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def _field_colour(site, x, y):
    _sx, _sy, kind, angle, _hedge, tint = site
    if kind < 0:
        n = _fbm(x * 0.9, y * 0.9, 3)
        crowns = _noise(x * 1.6, y * 1.6, 8)
        return _mix(WOOD, (30, 46, 28), max(0.0, crowns - 0.45) * 1.6 + 0.2 * n)
    base, spread, stripes = SURFACES[kind]
    shift = (tint - 0.5) * 2 * spread
    c = [v + shift for v in base]
    along = x * math.cos(angle) + y * math.sin(angle)
    stripe = 1 + stripes * math.sin(along * 2.6)
    patch = 0.88 + 0.24 * _fbm(x * 0.12 + tint * 40, y * 0.12, 11)
    grain = 0.94 + 0.12 * _noise(x * 2.2, y * 2.2, 13)
    return tuple(v * stripe * patch * grain for v in c)


def _sample(fields, x, y):
    # Fields, then hedges and trees, then the river with its banks, the road, buildings.
    site, other, edge = fields.at(x + 0.6 * (_noise(x * 0.15, y * 0.15, 2) - 0.5), y)
    c = _field_colour(site, x, y)
    hedge = site[4] or other[4]
    if hedge and edge < 0.55:
        c = _mix(c, (48, 66, 36), 0.85)
    if hedge and edge < 1.6 and _noise(x * 0.8, y * 0.8, 19) > 0.72:
        c = _mix(c, (38, 56, 30), 0.9)  # hedgerow trees

    tx, ty = x * 0.09, y * 0.09
    if _hash(math.floor(tx), math.floor(ty), 83) < 0.5:
        ox = (math.floor(tx) + 0.2 + 0.6 * _hash(math.floor(tx), math.floor(ty), 89)) / 0.09
        oy = (math.floor(ty) + 0.2 + 0.6 * _hash(math.floor(tx), math.floor(ty), 97)) / 0.09
        if (x - ox) ** 2 + (y - oy) ** 2 < 1.7:
            c = _mix(c, (34, 50, 28), 0.9)  # a lone field tree
        elif (x - ox - 0.9) ** 2 + (y - oy - 0.9) ** 2 < 1.7:
            c = _mix(c, (30, 34, 24), 0.45)  # and its shadow

    dr = abs(y - river_y(x))
    width = 1.5 + 0.9 * _noise(x * 0.08, 0, 23)
    if dr < width + 4.5 * _noise(x * 0.15, 3, 31) + 1.0 and _noise(x * 0.9, y * 0.9, 29) > 0.25:
        c = _mix(c, (40, 60, 34), 0.9)  # trees along the banks
    if dr < width + 0.6:
        c = _mix(c, (106, 112, 84), 0.7)  # muddy margin
    if dr < width:
        depth = 1 - dr / width
        c = _mix((82, 96, 86), (52, 68, 70), depth)
        if _noise(x * 0.5, y * 2, 37) > 0.8:
            c = _mix(c, (150, 168, 170), 0.5)  # glint

    dy = abs(y - road_y(x))
    if dy < 0.65:
        c = _mix(c, (176, 170, 158), 0.9)
    lane_x = 128 + 6 * math.sin(y / 9.0)
    if abs(x - lane_x) < 0.45 and road_y(x) < y < river_y(x):
        c = _mix(c, (164, 158, 144), 0.8)

    for bx, by, bw, bh, roof in ((121, 17, 4, 2, (150, 86, 70)), (125.5, 20.5, 2.5, 3, (120, 118, 116)),
                                 (119, 21, 2, 2, (168, 104, 84))):
        if bx <= x < bx + bw and by <= y < by + bh:
            c = roof
    return c


def render(path):
    fields = Fields()
    rows = []
    for py in range(H):
        row = bytearray()
        for px in range(W):
            acc = [0.0, 0.0, 0.0]
            for sy in range(SS):
                for sx in range(SS):
                    c = _sample(fields, px + (sx + 0.5) / SS, py + (sy + 0.5) / SS)
                    acc[0] += c[0]
                    acc[1] += c[1]
                    acc[2] += c[2]
            # A touch of valley shading and haze, and sensor noise.
            shade = 0.93 + 0.1 * _fbm(px * 0.03, py * 0.05, 43)
            grain = (_hash(px, py, 47) - 0.5) * 9
            for v in acc:
                v = v / (SS * SS) * shade
                v = v * 0.92 + 0.08 * 176 + grain
                row.append(max(0, min(255, int(round(v)))))
        rows.append(bytes(row))
    # Stored, not deflated: the program reads the photograph at every start, and
    # inflating this grainy picture took two thirds of that (45 KB instead of 37).
    write_png(path, W, H, rows, "RGB", level=0)
