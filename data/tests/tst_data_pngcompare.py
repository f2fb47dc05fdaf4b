"""The image check compares what PNG files show, not how zlib packed them."""

import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # keep the source tree clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, "..", "generator")]

import pngcompare  # noqa: E402
import raster  # noqa: E402  (the generator's own PNG writer)

# Inflated pixel data of two rows, two bytes each: the rows, or why not.
RAW_ROWS = [
    ("unfiltered rows", [0, 1, 2, 0, 3, 4], [b"\x01\x02", b"\x03\x04"]),
    ("a filtered row", [0, 1, 2, 1, 3, 4], "row 1: filter 1 and 2 bytes"),
    ("a short row", [0, 1, 2, 0, 3], "row 1: filter 0 and 1 bytes"),
]

# Three by two pixels, each of its own colour.
RGBA = [bytes([255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255]),
        bytes([9, 9, 9, 0, 80, 90, 100, 128, 1, 2, 3, 4])]
RGB = [bytes([255, 0, 0, 0, 255, 0, 0, 0, 255]), bytes([9, 9, 9, 80, 90, 100, 1, 2, 3])]
RGB_2X3 = [RGB[0][:6], RGB[0][6:] + RGB[1][:3], RGB[1][3:]]
INDICES = [bytes([0, 1, 0])]
GREEN_8X8 = [bytes([0, 128, 0] * 8)] * 8  # deflates to far less than it takes stored


def changed(rows, y, i):
    """The rows with one bit of byte i of row y flipped."""
    rows = [bytearray(row) for row in rows]
    rows[y][i] ^= 1
    return rows


class PngCompare(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.folder.cleanup()

    def png(self, name, width, height, rows, mode, **options):
        path = os.path.join(self.folder.name, name)
        raster.write_png(path, width, height, rows, mode, **options)
        return path

    def test_rows_are_split_and_filtered_rows_refused(self):
        for name, raw, expected in RAW_ROWS:
            with self.subTest(name):
                try:
                    got = pngcompare.pixel_rows(bytes(raw), 2)
                except ValueError as e:
                    got = str(e).split(",")[0]
                assert got == expected

    def test_what_differs_is_named(self):
        rgba = self.png("rgba.png", 3, 2, RGBA, "RGBA", level=9)
        rgb = self.png("rgb.png", 3, 2, RGB, "RGB")
        palette = self.png("palette.png", 3, 1, INDICES, "P", palette=[(1, 2, 3)] * 2)
        green = self.png("green.png", 8, 8, GREEN_8X8, "RGB")
        chunks = "palette, transparency or other chunks: committed [PLTE], drawn"
        cases = [  # committed, what is drawn, the difference named
            (rgba, (3, 2, RGBA, "RGBA"), {"level": 1}, None),
            (rgba, (3, 2, RGBA, "RGBA"), {"level": 6}, None),
            (rgba, (3, 2, changed(RGBA, 0, 0), "RGBA"), {},
             "first differing pixel (0, 0): committed ff0000ff, drawn fe0000ff"),
            (rgba, (3, 2, changed(RGBA, 1, 11), "RGBA"), {},
             "first differing pixel (2, 1): committed 01020304, drawn 01020305"),
            (rgb, (2, 3, RGB_2X3, "RGB"), {}, "size: committed 3x2, drawn 2x3"),
            (rgb, (3, 2, RGBA, "RGBA"), {}, "colour type/depth: committed 2/8, drawn 6/8"),
            (palette, (3, 1, INDICES, "P"), {"palette": [(1, 2, 3), (1, 2, 4)]},
             f"{chunks} [PLTE]"),
            (palette, (3, 1, INDICES, "P"), {"palette": [(1, 2, 3)] * 2, "transparent": [0]},
             f"{chunks} [PLTE tRNS]"),
            (green, (8, 8, GREEN_8X8, "RGB"), {"level": 0},
             "pixel data: committed deflated, drawn stored"),
        ]
        for committed, image, options, expected in cases:
            with self.subTest(expected, options=options):
                drawn = self.png("drawn.png", *image, **options)
                assert pngcompare.difference(committed, drawn) == expected

    def test_a_damaged_file_is_unreadable(self):
        drawn = self.png("drawn.png", 3, 2, RGB, "RGB")
        with open(drawn, "rb") as f:
            data = f.read()
        for name, damaged in [("cut short", data[:-6]),
                              ("a wrong header CRC", data[:29] + bytes([data[29] ^ 1]) + data[30:]),
                              ("not a PNG", b"GIF89a" + data[6:])]:
            with self.subTest(name):
                committed = os.path.join(self.folder.name, "damaged.png")
                with open(committed, "wb") as f:
                    f.write(damaged)
                assert pngcompare.difference(committed, drawn).startswith("the committed image: ")


if __name__ == "__main__":
    unittest.main()
