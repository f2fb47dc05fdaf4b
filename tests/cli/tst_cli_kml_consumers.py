#!/usr/bin/env python3
"""KML colours written by marivell-notations --kml, read back by two real KML
readers, GDAL's LIBKML driver (ogr2ogr) and togeojson (Node.js): both must
report the colour and opacity the notation stands for.

Where a reader is missing it says so and stops; the test counts as skipped.

usage: tst_cli_kml_consumers.py MARIVELL_NOTATIONS NODE_MODULES WORK_DIR
"""
import csv
import os
import re
import shutil
import subprocess
import sys

COLOURS = [(0, 0, 0), (255, 255, 255), (1, 2, 3), (162, 129, 255), (254, 1, 128)]
ALPHAS = [0, 1, 128, 254, 255]
PLACEMARK = """<Placemark><name>{0}</name><Style><LineStyle>{1}</LineStyle><PolyStyle>{1}</PolyStyle>
  </Style><Polygon><outerBoundaryIs><LinearRing><coordinates>6,46 6.1,46 6.1,46.1 6,46</coordinates>
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
    missing = [t for t in ("ogr2ogr", "node") if not shutil.which(t)]
    if missing:  # a package build, or a machine set up only to run the window
        print("SKIP: not installed:", ", ".join(missing))
        return 0
    expected = {"c%02x%02x%02x_a%d" % (*rgb, a): (rgb, a) for rgb in COLOURS for a in ALPHAS}
    placemarks = [PLACEMARK.format(name, run(tool, "--kml", "--alpha", str(a), "%d,%d,%d" % rgb).strip())
                  for name, (rgb, a) in expected.items()]
    os.makedirs(work, exist_ok=True)
    path = os.path.join(work, "colours.kml")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n<kml xmlns="http://www.opengis.net/kml/2.2">'
                "<Document><name>colours</name>\n" + "\n".join(placemarks) + "\n</Document></kml>\n")
    gdal = run("ogr2ogr", "--config", "OGR_SKIP", "KML", "-f", "CSV", "/vsistdout/", path,
               "-sql", "SELECT Name, OGR_STYLE FROM colours").splitlines()
    gdal = {row["Name"]: row["OGR_STYLE"] for row in csv.DictReader(gdal)}
    geojson = run("node", "-e", TOGEOJSON, path, env=dict(os.environ, NODE_PATH=node_modules))
    geojson = {name: values for name, *values in (line.split("\t") for line in geojson.splitlines())}
    failures = []
    for name, (rgb, alpha) in expected.items():
        rgba = "#%02X%02X%02X%02X" % (*rgb, alpha)
        styles = [s.upper() for s in re.findall(r"(?:BRUSH\(fc|PEN\(c):(#\w{8})", gdal.get(name, ""))]
        fill, fill_opacity, stroke, stroke_opacity = geojson.get(name, ["?", "-1"] * 2)
        read = [(c.upper(), round(float(o) * 255, 6)) for c, o in ((fill, fill_opacity), (stroke, stroke_opacity))]
        if styles != [rgba, rgba] or read != [(rgba[:7], alpha)] * 2:
            failures.append(f"FAIL {name}: GDAL read {styles}, togeojson {read}, expected {rgba}")
    print("\n".join(failures + [f"{len(expected)} colours, {len(failures)} read wrong"]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
