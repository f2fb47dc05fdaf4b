"""Coverage checks for the generator's rasteriser: anti-aliasing weights,
the non-zero union that strokes rely on, and arc flattening."""

import math
import os
import sys
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "generator"))

from raster import IDENTITY, Canvas, flatten, parse_path, stroke_polys  # noqa: E402


def total(rows):
    return sum(sum(acc.values()) for acc in rows.values())


def square(x, y, s, clockwise=False):
    pts = [(x, y), (x + s, y), (x + s, y + s), (x, y + s)]
    return pts[::-1] if clockwise else pts


class RasterTest(unittest.TestCase):
    def test_covered_area(self):
        rows = [
            ("one whole pixel", [square(2, 2, 1)], 1.0),
            ("half a pixel across", [[(2, 2), (2.5, 2), (2.5, 3), (2, 3)]], 0.5),
            ("half a pixel down", [[(2, 2), (3, 2), (3, 2.5), (2, 2.5)]], 0.5),
            ("straddling four pixels", [square(2.5, 2.5, 1)], 1.0),
            ("overlap counted once", [square(2, 2, 2), square(3, 3, 2)], 7.0),
            ("opposite windings cut a hole, as in SVG", [square(2, 2, 2), square(3, 3, 2, True)], 6.0),
            ("clipped at the canvas edge", [square(-1, -1, 2)], 1.0),
        ]
        for name, polys, area in rows:
            with self.subTest(name):
                self.assertAlmostEqual(total(Canvas(8, 8).coverage(polys)), area, places=6)

    def test_no_pixel_gets_more_than_full_coverage(self):
        rows = Canvas(8, 8).coverage([square(1, 1, 4), square(2, 2, 4), square(1.5, 1.5, 3)])
        self.assertLessEqual(max(v for acc in rows.values() for v in acc.values()), 1.0 + 1e-9)

    def test_circle_from_two_arcs(self):
        cmds = parse_path("M 10 20 A 10 10 0 1 0 30 20 A 10 10 0 1 0 10 20 Z")
        area = total(Canvas(40, 40).coverage(flatten(cmds, IDENTITY, 1.0)))
        self.assertAlmostEqual(area / (math.pi * 100), 1.0, delta=0.01)

    def test_round_stroke_area(self):
        # A 10-unit line, 2 wide, with round caps: 20 + pi.
        polys = stroke_polys([(5, 5), (15, 5)], 2.0, False)
        self.assertAlmostEqual(total(Canvas(20, 10).coverage(polys)), 20 + math.pi, delta=0.1)


if __name__ == "__main__":
    unittest.main()
