"""The image check compares what PNG files show, not how zlib packed them.

The images are written by the generator's own PNG writer (data/generator).
"""

import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # keep the source tree clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, "..", "generator")]

import pngcompare  # noqa: E402
import raster  # noqa: E402

# Two rows of four grey pixels, and the same rows under each row filter of the
# PNG format, worked out by hand. The second Paeth row takes b, c, b, then a.
GREY = [bytes([15, 10, 200, 200]), bytes([20, 30, 100, 90])]
FILTERED = [
    ("none", 1, [0, 15, 10, 200, 200, 0, 20, 30, 100, 90], GREY),
    ("sub", 1, [1, 15, 251, 190, 0, 1, 20, 10, 70, 246], GREY),
    ("up", 1, [2, 15, 10, 200, 200, 2, 5, 20, 156, 146], GREY),
    ("average", 1, [3, 15, 3, 195, 100, 3, 13, 15, 241, 196], GREY),
    ("paeth", 1, [4, 15, 251, 190, 0, 4, 5, 15, 156, 246], GREY),
    ("sub, three bytes a pixel", 3, [1, 10, 20, 30, 5, 5, 5], [bytes([10, 20, 30, 15, 25, 35])]),
]

# Three by two pixels, each of its own colour.
RGBA = [bytes([255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255]),
        bytes([9, 9, 9, 0, 80, 90, 100, 128, 1, 2, 3, 4])]
RGB = [bytes([255, 0, 0, 0, 255, 0, 0, 0, 255]), bytes([9, 9, 9, 80, 90, 100, 1, 2, 3])]


class PngCompare(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.folder.cleanup()

    def png(self, name, width, height, rows, mode, **options):
        path = os.path.join(self.folder.name, name)
        raster.write_png(path, width, height, rows, mode, **options)
        return path

    def test_row_filters_are_undone(self):
        for name, step, filtered, rows in FILTERED:
            with self.subTest(name):
                assert pngcompare.unfilter(bytes(filtered), len(rows[0]), step) == rows

    def test_another_compression_level_shows_the_same(self):
        committed = self.png("committed.png", 3, 2, RGBA, "RGBA", level=9)
        for level in (1, 6):
            with self.subTest(level=level):
                drawn = self.png(f"level{level}.png", 3, 2, RGBA, "RGBA", level=level)
                assert pngcompare.difference(committed, drawn) is None

    def test_the_first_changed_pixel_is_named(self):
        committed = self.png("committed.png", 3, 2, RGBA, "RGBA")
        for y, i, expected in [(0, 0, "(0, 0): committed ff0000ff, drawn fe0000ff"),
                               (1, 11, "(2, 1): committed 01020304, drawn 01020305"),
                               (1, 4, "(1, 1): committed 505a6480, drawn 515a6480")]:
            with self.subTest(byte=i, row=y):
                rows = list(RGBA)
                changed = bytearray(rows[y])
                changed[i] ^= 1
                rows[y] = bytes(changed)
                drawn = self.png("drawn.png", 3, 2, rows, "RGBA")
                assert pngcompare.difference(committed, drawn) == \
                    f"first differing pixel {expected}"

    def test_size_format_palette_and_storage_differences_are_named(self):
        committed = self.png("committed.png", 3, 2, RGB, "RGB")
        palette = self.png("palette.png", 3, 1, [bytes([0, 1, 0])], "P", palette=[(1, 2, 3)] * 2)
        cases = [
            ("size", "2x3.png", 2, 3, [RGB[0][:6], RGB[0][6:] + RGB[1][:3], RGB[1][3:]], "RGB",
             {}, committed,
             "size: committed 3x2, drawn 2x3"),
            ("format", "rgba.png", 3, 2, RGBA, "RGBA", {}, committed,
             "colour type/depth: committed 2/8, drawn 6/8"),
            ("palette", "other-palette.png", 3, 1, [bytes([0, 1, 0])], "P",
             {"palette": [(1, 2, 3), (1, 2, 4)]}, palette,
             "palette, transparency or other chunks: committed [PLTE], drawn [PLTE]"),
            ("transparency", "transparent.png", 3, 1, [bytes([0, 1, 0])], "P",
             {"palette": [(1, 2, 3)] * 2, "transparent": [0]}, palette,
             "palette, transparency or other chunks: committed [PLTE], drawn [PLTE tRNS]"),
            ("stored", "stored.png", 3, 2, RGB, "RGB", {"level": 0}, committed,
             "pixel data: committed deflated, drawn stored"),
        ]
        for name, file, width, height, rows, mode, options, against, expected in cases:
            with self.subTest(name):
                drawn = self.png(file, width, height, rows, mode, **options)
                assert pngcompare.difference(against, drawn) == expected

    def test_a_damaged_file_is_unreadable(self):
        drawn = self.png("drawn.png", 3, 2, RGB, "RGB")
        with open(drawn, "rb") as f:
            data = f.read()
        for name, damaged in [("cut short", data[:-6]),
                              ("a flipped bit", data[:45] + bytes([data[45] ^ 1]) + data[46:]),
                              ("not a PNG", b"GIF89a" + data[6:])]:
            with self.subTest(name):
                committed = os.path.join(self.folder.name, "damaged.png")
                with open(committed, "wb") as f:
                    f.write(damaged)
                assert pngcompare.difference(committed, drawn).startswith(
                    "the committed image is unreadable: ")


if __name__ == "__main__":
    unittest.main()
