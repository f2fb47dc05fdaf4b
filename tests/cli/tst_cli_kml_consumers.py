#!/usr/bin/env python3
"""KML colours written by marivell-notations --kml, read back by two real KML
readers, GDAL's LIBKML driver (ogr2ogr) and togeojson (Node.js): both must
report the colour and opacity the notation stands for.

usage: tst_cli_kml_consumers.py MARIVELL_NOTATIONS NODE_MODULES WORK_DIR
"""
import csv
import io
import os
import re
import subprocess
import sys

COLOURS = [(0, 0, 0), (255, 255, 255), (1, 2, 3), (162, 129, 255), (254, 1, 128)]
ALPHAS = [0, 1, 128, 254, 255]
PLACEMARK = """<Placemark><name>{}</name>
  <Style><LineStyle>{}</LineStyle><PolyStyle>{}</PolyStyle></Style>
  <Polygon><outerBoundaryIs><LinearRing><coordinates>6,46 6.1,46 6.1,46.1 6,46</coordinates>
  </LinearRing></outerBoundaryIs></Polygon></Placemark>"""
# Prints name, fill, fill-opacity, stroke, stroke-opacity of every placemark.
TOGEOJSON = """const doc = new (require("@xmldom/xmldom").DOMParser)().parseFromString(
    require("fs").readFileSync(process.argv[1], "utf8"), "text/xml");
for (const { properties: p } of require("@tmcw/togeojson").kml(doc).features)
    console.log([p.name, p.fill, p["fill-opacity"], p.stroke, p["stroke-opacity"]].join("\\t"));"""


def run(*command, **kwargs):
    return subprocess.run(command, check=True, capture_output=True, text=True, **kwargs).stdout


def main():
    tool, node_modules, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    expected = {"c%02x%02x%02x_a%d" % (*rgb, a): (rgb, a) for rgb in COLOURS for a in ALPHAS}
    placemarks = []
    for name, (rgb, alpha) in expected.items():
        element = run(tool, "--kml", "--alpha", str(alpha), "%d,%d,%d" % rgb).strip()
        placemarks.append(PLACEMARK.format(name, element, element))
    path = os.path.join(work, "colours.kml")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n<kml xmlns="http://www.opengis.net/kml/2.2">'
                "<Document><name>colours</name>\n" + "\n".join(placemarks) + "\n</Document></kml>\n")
    gdal = run("ogr2ogr", "--config", "OGR_SKIP", "KML", "-f", "CSV", "/vsistdout/", path,
               "-sql", "SELECT Name, OGR_STYLE FROM colours")
    gdal = {row["Name"]: row["OGR_STYLE"] for row in csv.DictReader(io.StringIO(gdal))}
    geojson = run("node", "-e", TOGEOJSON, path, env=dict(os.environ, NODE_PATH=node_modules))
    geojson = {name: values for name, *values in (line.split("\t") for line in geojson.splitlines())}

    failures = []
    for name, (rgb, alpha) in expected.items():
        rgba = "#%02X%02X%02X%02X" % (*rgb, alpha)
        styles = re.findall(r"(?:BRUSH\(fc|PEN\(c):(#[0-9A-Fa-f]{8})", gdal.get(name, ""))
        if [s.upper() for s in styles] != [rgba, rgba]:
            failures.append(f"{name}: GDAL read {gdal.get(name)}, expected {rgba}")
        fill, fill_opacity, stroke, stroke_opacity = geojson.get(name, ["?"] * 4)
        for colour, opacity in ((fill, fill_opacity), (stroke, stroke_opacity)):
            if colour.lower() != "#%02x%02x%02x" % rgb or abs(float(opacity) - alpha / 255) > 1e-9:
                failures.append(f"{name}: togeojson read {colour} {opacity}, expected {rgba}")
    print("\n".join(["FAIL " + f for f in failures] + [f"{len(expected)} colours, {len(failures)} failures"]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
