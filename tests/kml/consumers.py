#!/usr/bin/env python3
"""KML colours written by Marivell, read back by two real KML readers.

Writes a KML document whose placemarks carry the KML notation in their
PolyStyle and LineStyle, then reads it with GDAL's LIBKML driver (ogr2ogr)
and with the togeojson library (Node.js), and checks that both report the
colour and opacity the notation stands for.

usage: consumers.py MARIVELL_NOTATIONS NODE_MODULES WORK_DIR
"""
import csv
import io
import os
import re
import subprocess
import sys

COLOURS = [(0, 0, 0), (255, 255, 255), (255, 0, 0), (0, 255, 0), (0, 0, 255),
           (1, 2, 3), (162, 129, 255), (254, 1, 128)]
ALPHAS = [0, 1, 127, 128, 254, 255]
HERE = os.path.dirname(os.path.abspath(__file__))


def notation(tool, rgb, alpha):
    """The KML box text and the --kml element for one colour."""
    arg = "%d,%d,%d" % rgb
    row = subprocess.run([tool, "--alpha", str(alpha), arg], check=True,
                         capture_output=True, text=True).stdout
    element = subprocess.run([tool, "--alpha", str(alpha), "--kml", arg], check=True,
                             capture_output=True, text=True).stdout.strip()
    return row.rstrip("\n").split("\t")[7], element


def document(placemarks):
    body = []
    for name, element in placemarks:
        body.append(f"""  <Placemark>
    <name>{name}</name>
    <Style>
      <LineStyle>{element}<width>2</width></LineStyle>
      <PolyStyle>{element}</PolyStyle>
    </Style>
    <Polygon><outerBoundaryIs><LinearRing>
      <coordinates>6.0,46.0,0 6.1,46.0,0 6.1,46.1,0 6.0,46.0,0</coordinates>
    </LinearRing></outerBoundaryIs></Polygon>
  </Placemark>""")
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<kml xmlns="http://www.opengis.net/kml/2.2">\n<Document>\n<name>colours</name>\n'
            + "\n".join(body) + "\n</Document>\n</kml>\n")


def read_with_gdal(path):
    out = subprocess.run(
        ["ogr2ogr", "--config", "OGR_SKIP", "KML", "-f", "CSV", "/vsistdout/", path,
         "-sql", "SELECT Name, OGR_STYLE FROM colours"],
        check=True, capture_output=True, text=True).stdout
    styles = {}
    for row in csv.DictReader(io.StringIO(out)):
        brush = re.search(r"BRUSH\(fc:(#[0-9A-Fa-f]{8})", row["OGR_STYLE"])
        pen = re.search(r"PEN\(c:(#[0-9A-Fa-f]{8})", row["OGR_STYLE"])
        styles[row["Name"]] = (brush and brush.group(1).upper(), pen and pen.group(1).upper())
    return styles


def read_with_togeojson(path, node_modules):
    env = dict(os.environ, NODE_PATH=node_modules)
    out = subprocess.run(["node", os.path.join(HERE, "togeojson-read.cjs"), path],
                         check=True, capture_output=True, text=True, env=env).stdout
    return {name: tuple(values) for name, *values in
            (line.split("\t") for line in out.splitlines())}


def main():
    tool, node_modules, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    expected, placemarks = {}, []
    failures = []
    for rgb in COLOURS:
        for alpha in ALPHAS:
            name = "c%02x%02x%02x_a%d" % (*rgb, alpha)
            box, element = notation(tool, rgb, alpha)
            if element != f"<color>{box}</color>" or not re.fullmatch(r"[0-9a-f]{8}", box):
                failures.append(f"{name}: box {box!r}, element {element!r}")
            placemarks.append((name, element))
            expected[name] = (rgb, alpha)
    path = os.path.join(work, "colours.kml")
    with open(path, "w", encoding="utf-8") as f:
        f.write(document(placemarks))

    gdal = read_with_gdal(path)
    geojson = read_with_togeojson(path, node_modules)
    for name, (rgb, alpha) in expected.items():
        rgba = "#%02X%02X%02X%02X" % (*rgb, alpha)
        if gdal.get(name) != (rgba, rgba):
            failures.append(f"{name}: GDAL read {gdal.get(name)}, expected {rgba}")
        fill, fill_opacity, stroke, stroke_opacity = geojson.get(name, ("?",) * 4)
        html = "#%02x%02x%02x" % rgb
        for what, colour, opacity in (("fill", fill, fill_opacity),
                                      ("stroke", stroke, stroke_opacity)):
            if colour.lower() != html or abs(float(opacity) - alpha / 255) > 1e-9:
                failures.append(f"{name}: togeojson {what} {colour} {opacity}, "
                                f"expected {html} {alpha / 255:.6f}")
    for failure in failures:
        print("FAIL", failure)
    print(f"{len(expected) - len({f.split(':')[0] for f in failures})} passed, "
          f"{len({f.split(':')[0] for f in failures})} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
