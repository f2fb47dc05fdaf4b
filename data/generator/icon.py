"""The program icon: three paint tubes pouring magenta, yellow and cyan paint
into three overlapping puddles, drawn on a 256-unit square.

One scene feeds both the SVG writer and the rasteriser, so every PNG size is
the SVG drawn at that size.
"""

import math

from raster import (Canvas, IDENTITY, flatten, polylines, hex_rgb, linear, mat_mul, parse_path,
                    rotation, solid, stroke_polys, write_png)

MAGENTA, YELLOW, CYAN = "#e4007c", "#ffe500", "#00a0e3"
RED, GREEN = "#e4232b", "#1fa64a"
OUTLINE = "#2b2b30"
METAL = [(0.0, "#8c9096"), (0.28, "#f7f8fa"), (0.55, "#d3d6da"), (1.0, "#7d8187")]

PUDDLE_Y, PUDDLE_R = 206.0, 35.0
PUDDLES = [(73.0, MAGENTA), (128.0, YELLOW), (183.0, CYAN)]
# (top of the crimped end, tilt in degrees) per tube; the nozzle points down.
TUBES = [((44.0, 20.0), -19.0, MAGENTA), ((128.0, 4.0), 0.0, YELLOW), ((212.0, 20.0), 19.0, CYAN)]
TUBE_LEN = 106.0


def _tube_elements(top, tilt, paint, detail):
    tx, ty = top
    m = mat_mul((1, 0, 0, 1, tx, ty), rotation(tilt, 0, 0))
    hw = 27.0
    body = (f"M {-hw - 2} 0 L {hw + 2} 0 L {hw + 2} 11 L {hw} 11 L {hw - 2} 70 "
            f"C {hw - 2} 84 {12} 88 {10} 94 L 10 {TUBE_LEN} L -10 {TUBE_LEN} L -10 94 "
            f"C -12 88 {-hw + 2} 84 {-hw + 2} 70 L {-hw} 11 L {-hw - 2} 11 Z")
    metal = ("linear", (-hw, 0, hw, 0), METAL)
    band = f"M {-hw + 0.6} 30 L {hw - 0.6} 30 L {hw - 1.6} 62 L {-hw + 1.6} 62 Z"
    shade = ("linear", (-hw, 0, hw, 0),
             [(0.0, "#000000", 0.28), (0.3, "#ffffff", 0.22), (0.6, "#000000", 0.0),
              (1.0, "#000000", 0.3)])
    els = [dict(d=body, fill=metal, stroke=(OUTLINE, 3.5 if detail else 7.0), m=m),
           dict(d=band, fill=paint, m=m),
           dict(d=band, fill=shade, m=m)]
    if detail:
        for x in range(int(-hw) + 4, int(hw) - 2, 6):
            els.append(dict(d=f"M {x} 1.5 L {x} 9.5", stroke=("#8a8e94", 1.6), m=m))
        els.append(dict(d=f"M {-hw - 2} 11 L {hw + 2} 11", stroke=(OUTLINE, 2.0), m=m))
        els.append(dict(d=f"M -10 {TUBE_LEN - 10} L 10 {TUBE_LEN - 10} M -10 {TUBE_LEN - 5} "
                          f"L 10 {TUBE_LEN - 5}", stroke=("#6d7177", 1.6), m=m))
    return els, m


def _stream(m, paint, target_x, detail):
    """A ribbon of paint from the nozzle into the middle of its puddle."""
    nx, ny = m[2] * TUBE_LEN + m[4], m[3] * TUBE_LEN + m[5]
    dx, dy = m[2], m[3]  # the direction the nozzle points
    px, py = -dy * 8.5, dx * 8.5  # to the nozzle's right-hand side, seen from above
    end_y, hw = PUDDLE_Y + 2, 7.0
    cx, cy = nx + dx * 30, ny + dy * 30
    left = (f"M {nx + px:.2f} {ny + py:.2f} C {cx + px:.2f} {cy + py:.2f} "
            f"{target_x - hw:.2f} {end_y - 50:.2f} {target_x - hw:.2f} {end_y:.2f}")
    right = (f"M {target_x + hw:.2f} {end_y:.2f} C {target_x + hw:.2f} {end_y - 50:.2f} "
             f"{cx - px:.2f} {cy - py:.2f} {nx - px:.2f} {ny - py:.2f}")
    fill = left + " L" + right[1:] + " Z"
    els = [dict(d=fill, fill=paint)]
    if detail:
        els.append(dict(d=left + " " + right, stroke=(OUTLINE, 2.5)))
    return els


def _circle(cx, cy, r):
    return (f"M {cx - r:.3f} {cy:.3f} A {r} {r} 0 1 0 {cx + r:.3f} {cy:.3f} "
            f"A {r} {r} 0 1 0 {cx - r:.3f} {cy:.3f} Z")


def _lens(x0, x1, cy, r):
    """The overlap of two equal circles centred on one horizontal line."""
    mid = (x0 + x1) / 2
    h = math.sqrt(r * r - ((x1 - x0) / 2) ** 2)
    return (f"M {mid:.3f} {cy - h:.3f} A {r} {r} 0 0 1 {mid:.3f} {cy + h:.3f} "
            f"A {r} {r} 0 0 1 {mid:.3f} {cy - h:.3f} Z")


def scene(detail):
    els = []
    tubes = []
    for top, tilt, paint in TUBES:
        t_els, m = _tube_elements(top, tilt, paint, detail)
        tubes.append((t_els, m, paint))
    for (cx, paint) in PUDDLES:
        els.append(dict(d=_circle(cx, PUDDLE_Y, PUDDLE_R), fill=paint,
                        stroke=(OUTLINE, 3.5 if detail else 7.0)))
    for (x0, _), (x1, _), mix in zip(PUDDLES, PUDDLES[1:], (RED, GREEN)):
        els.append(dict(d=_lens(x0, x1, PUDDLE_Y, PUDDLE_R), fill=mix))
    for (t_els, m, paint), (cx, _) in zip(tubes, PUDDLES):
        els.extend(_stream(m, paint, cx, detail))
    if detail:
        for cx, _ in PUDDLES:
            els.append(dict(d=f"M {cx + 26} {PUDDLE_Y + 6} C {cx + 24} {PUDDLE_Y + 16} "
                              f"{cx + 16} {PUDDLE_Y + 24} {cx + 8} {PUDDLE_Y + 27}",
                            stroke=("#ffffff", 4.0), opacity=0.55))
    for t_els, _, _ in tubes:
        els.extend(t_els)
    return els


def _rect(x0, y0, x1, y1):
    return f"M {x0} {y0} L {x1} {y0} L {x1} {y1} L {x0} {y1} Z"


def _rounded(x0, y0, x1, y1, r):
    return (f"M {x0 + r} {y0} L {x1 - r} {y0} A {r} {r} 0 0 1 {x1} {y0 + r} L {x1} {y1 - r} "
            f"A {r} {r} 0 0 1 {x1 - r} {y1} L {x0 + r} {y1} A {r} {r} 0 0 1 {x0} {y1 - r} "
            f"L {x0} {y0 + r} A {r} {r} 0 0 1 {x0 + r} {y0} Z")


def scene_small():
    """The same picture fitted to a 16-pixel grid: upright tubes, no fine detail."""
    u = 16.0  # one pixel of the 16 px icon, in design units
    els = []
    paints = [p for _, _, p in TUBES]
    for i, paint in enumerate(paints):
        a = (5 * i) * u
        els.append(dict(d=_rounded(a, 10 * u, a + 6 * u, 16 * u, 2.5 * u), fill=paint))
    for i, mix in enumerate((RED, GREEN)):
        a = (5 * i + 5) * u
        els.append(dict(d=_rect(a, 10.5 * u, a + u, 15.5 * u), fill=mix))
    for i, paint in enumerate(paints):
        x = (5 * i + 1) * u
        els.append(dict(d=_rect(x + u, 8 * u, x + 3 * u, 11 * u), fill=paint))
        els.append(dict(d=_rect(x, 0, x + 4 * u, 7 * u), fill=OUTLINE))
        els.append(dict(d=_rect(x + u, 1 * u, x + 3 * u, 2 * u), fill="#e4e6e9"))
        els.append(dict(d=_rect(x + u, 2 * u, x + 3 * u, 6 * u), fill=paint))
        els.append(dict(d=_rect(x + u, 7 * u, x + 3 * u, 8 * u), fill="#6d7177"))
    return els


# ------------------------------------------------------------------ output

def _colour_at(fill, m, scale):
    if isinstance(fill, str):
        return solid(hex_rgb(fill))
    _, (x0, y0, x1, y1), stops = fill
    sm = mat_mul((scale, 0, 0, scale, 0, 0), m)
    p0 = (sm[0] * x0 + sm[2] * y0 + sm[4], sm[1] * x0 + sm[3] * y0 + sm[5])
    p1 = (sm[0] * x1 + sm[2] * y1 + sm[4], sm[1] * x1 + sm[3] * y1 + sm[5])
    if len(stops[0]) == 3:  # translucent stops: premultiply into the blend below
        colour_stops = [(o, hex_rgb(c)) for o, c, _ in stops]
        alpha_stops = [(o, (a, a, a)) for o, _, a in stops]
        rgb = linear(*p0, *p1, colour_stops)
        alpha = linear(*p0, *p1, alpha_stops)
        return lambda x, y: (*rgb(x, y)[:3], alpha(x, y)[0])
    return linear(*p0, *p1, [(o, hex_rgb(c)) for o, c in stops])


def render(size, path):
    scale = size / 256.0
    canvas = Canvas(size, size)
    for e in scene(True) if size >= 32 else scene_small():
        m = mat_mul((scale, 0, 0, scale, 0, 0), e.get("m", IDENTITY))
        cmds = parse_path(e["d"])
        op = e.get("opacity", 1.0)
        if e.get("fill"):
            canvas.paint(canvas.coverage(flatten(cmds, m, scale)), _colour_at(e["fill"], e.get("m", IDENTITY), scale), op)
        if e.get("stroke"):
            colour, width = e["stroke"]
            polys = []
            for poly, closed in polylines(cmds, m, scale):
                polys.extend(stroke_polys(poly, width * scale, closed))
            canvas.paint(canvas.coverage(polys), solid(hex_rgb(colour)), op)
    write_png(path, size, size, canvas.rgba_rows(), "RGBA")


def write_svg(path):
    defs, body = [], []
    for i, e in enumerate(scene(True)):
        attrs = [f'd="{e["d"]}"']
        m = e.get("m")
        if m and m != IDENTITY:
            attrs.append("transform=\"matrix(%s)\"" % " ".join(f"{v:.6g}" for v in m))
        fill = e.get("fill")
        if fill is None:
            attrs.append('fill="none"')
        elif isinstance(fill, str):
            attrs.append(f'fill="{fill}"')
        else:
            gid = f"g{i}"
            _, (x0, y0, x1, y1), stops = fill
            stop_xml = "".join(
                f'<stop offset="{s[0]}" stop-color="{s[1]}"'
                + (f' stop-opacity="{s[2]}"' if len(s) == 3 else "") + "/>" for s in stops)
            defs.append(f'<linearGradient id="{gid}" gradientUnits="userSpaceOnUse" '
                        f'x1="{x0}" y1="{y0}" x2="{x1}" y2="{y1}">{stop_xml}</linearGradient>')
            attrs.append(f'fill="url(#{gid})"')
        if e.get("stroke"):
            colour, width = e["stroke"]
            attrs.append(f'stroke="{colour}" stroke-width="{width}" '
                         'stroke-linejoin="round" stroke-linecap="round"')
        if "opacity" in e:
            attrs.append(f'opacity="{e["opacity"]}"')
        body.append("  <path " + " ".join(attrs) + "/>")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
                'width="256" height="256" viewBox="0 0 256 256">\n'
                '  <title>Marivell: three paint tubes pouring magenta, yellow and cyan</title>\n'
                "  <defs>\n    " + "\n    ".join(defs) + "\n  </defs>\n"
                + "\n".join(body) + "\n</svg>\n")
