// Prints name, fill, fill-opacity, stroke, stroke-opacity of every placemark
// as togeojson reads them, one TAB-separated line each.
const fs = require("fs");
const { DOMParser } = require("@xmldom/xmldom");
const { kml } = require("@tmcw/togeojson");

const doc = new DOMParser().parseFromString(fs.readFileSync(process.argv[2], "utf8"), "text/xml");
for (const feature of kml(doc).features) {
    const p = feature.properties;
    console.log([p.name, p.fill, p["fill-opacity"], p.stroke, p["stroke-opacity"]].join("\t"));
}
