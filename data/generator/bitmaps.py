"""The pipette on its grey button face (25 x 25, 24-bit)."""

import math

from raster import Canvas, solid, stroke_polys, write_png

FACE, LIGHT, SHADOW, DARK = (212, 208, 200), (255, 255, 255), (128, 128, 128), (64, 64, 64)


def _capsule(canvas, a, b, width, colour):
    canvas.paint(canvas.coverage(stroke_polys([a, b], width, False)), solid(colour))


def render_pipette(path):
    size = 25
    canvas = Canvas(size, size, (*FACE, 1.0))
    tip, end = (4.6, 20.4), (20.2, 4.8)
    ux, uy = (end[0] - tip[0]), (end[1] - tip[1])
    length = math.hypot(ux, uy)
    ux, uy = ux / length, uy / length

    def at(t):
        return (tip[0] + ux * t, tip[1] + uy * t)

    outline = (44, 48, 56)
    # Shadow on the face, then nozzle, glass barrel with paint inside, collar, rubber bulb.
    canvas.paint(canvas.coverage(stroke_polys([(tip[0] + 1, tip[1] + 1), (at(20.5)[0] + 1, at(20.5)[1] + 1)],
                                              4.2, False)), solid((150, 146, 140), 0.6))
    _capsule(canvas, at(0.3), at(5.0), 2.6, outline)
    _capsule(canvas, at(0.3), at(5.0), 1.0, (196, 222, 232))
    _capsule(canvas, at(4.2), at(13.6), 4.6, outline)
    _capsule(canvas, at(4.4), at(13.4), 2.8, (206, 230, 238))
    _capsule(canvas, at(4.4), at(8.6), 2.8, (34, 96, 200))
    _capsule(canvas, at(6.0), at(12.8), 0.8, (255, 255, 255))
    _capsule(canvas, at(13.4), at(15.4), 5.6, outline)
    _capsule(canvas, at(13.6), at(15.2), 3.8, (120, 124, 132))
    _capsule(canvas, at(16.0), at(20.0), 7.0, outline)
    _capsule(canvas, at(16.2), at(19.8), 5.2, (176, 30, 40))
    _capsule(canvas, at(16.6), at(19.0), 1.3, (236, 120, 120))

    # Raised button bevel.
    for i in range(size):
        canvas.px[0][i] = [*LIGHT, 1.0]
        canvas.px[i][0] = [*LIGHT, 1.0]
        canvas.px[size - 1][i] = [*DARK, 1.0]
        canvas.px[i][size - 1] = [*DARK, 1.0]
        if 0 < i < size - 1:
            canvas.px[size - 2][i] = [*SHADOW, 1.0]
            canvas.px[i][size - 2] = [*SHADOW, 1.0]
    write_png(path, size, size, canvas.rgb_rows(), "RGB")
