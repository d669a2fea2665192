#!/usr/bin/env python3
"""velortrdcd read --output geojson, run as a separate process and its output
parsed: geometry kinds, point features, the eight coordinate systems, no
conversion, Czech letters, an empty file and a file that stops with an error;
and GDAL's ogrinfo on the sample when it is installed.

    geojson_cases.py TOOL EXAMPLES_DIR [RUNNER]
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

from case_checks import check, summary

tool, examples = sys.argv[1], sys.argv[2]
runner = [a for a in sys.argv[3:4] if a]

# One physical point in the internal JTSK orientation.
JX, JY, JZ = 1181215.5, 744120.25, 726.5
# FromDtmEx: internal (x, y) written in system s.
TO_FILE = {0: lambda x, y: (x, y), 1: lambda x, y: (-y, -x), 2: lambda x, y: (-x, y), 3: lambda x, y: (y, x),
           4: lambda x, y: (x, -y), 5: lambda x, y: (-y, x), 6: lambda x, y: (-x, -y), 7: lambda x, y: (y, -x)}


def run(work, *args):
    result = subprocess.run(runner + [tool, *args], cwd=work, capture_output=True, timeout=120)
    return result.returncode, result.stdout.decode("utf-8"), result.stderr.decode("utf-8", "replace")




def geojson(work, name, *options):
    code, out, err = run(work, "read", name, "--output", "geojson", "--unknown", "skip", *options)
    try:
        return code, json.loads(out), err
    except ValueError:
        return code, None, out + err


def put(work, name, lines, encoding="cp1250"):
    with open(os.path.join(work, name), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode(encoding))


def main():
    work = tempfile.mkdtemp(prefix="velor-geojson-")
    try:
        cases(work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return summary()


def cases(work):
    put(work, "kinds.txt", [
        ".np SName=line", "10 20 1 A K1", "11 21 2 B", "12 22 3 C",
        ".np SName=ring PLClos=y", "30 40 1 R1", "31 40 1 R2", "31 41 1 R3",
        ".np SName=one", "50 60 5 S1 K1 tc=K2", ".np SName=pair PLClos=y", "1 2 0 P1", "3 4 0 P2"])
    code, doc, err = geojson(work, "kinds.txt", "--format", "Y X Z Name TCode sys=0", "--points")
    check("the run succeeds and gives a collection", code == 0 and doc and doc["type"] == "FeatureCollection", err)
    if not doc:
        return
    polygons = [f for f in doc["features"] if "pointCount" in f["properties"]]
    points = [f for f in doc["features"] if "pointCount" not in f["properties"]]
    kinds = [f["geometry"]["type"] for f in polygons]
    check("one geometry of each kind; a closed pair stays a line",
          kinds == ["LineString", "Polygon", "Point", "LineString"], str(kinds))
    ring = polygons[1]["geometry"]["coordinates"][0]
    check("the ring is closed", len(ring) == 4 and ring[0] == ring[-1], str(ring))
    check("EPSG:5514: easting is -Y, northing -X, z third",
          polygons[0]["geometry"]["coordinates"][0] == [-10, -20, 1], str(polygons[0]["geometry"]))
    check("the collection names its CRS",
          doc.get("crs") == {"type": "name", "properties": {"name": "urn:ogc:def:crs:EPSG::5514"}}, str(doc.get("crs")))
    check("--points: every point once, with its polygon",
          [p["properties"]["polygon"] for p in points] == [0, 0, 0, 1, 1, 1, 2, 3, 3],
          str([p["properties"].get("polygon") for p in points]))
    single = [p for p in points if p["properties"]["name"] == "S1"]
    check("text codes split into an array", single and single[0]["properties"]["codes"] == ["K1", "K2"],
          str(single and single[0]["properties"]))

    # The same physical point written the eight ways gives the same EPSG:5514 point.
    for system in range(8):
        fx, fy = TO_FILE[system](JX, JY)
        put(work, "s%d.txt" % system, [".np", "%r %r %r" % (fy, fx, JZ)])
        code, doc, err = geojson(work, "s%d.txt" % system, "--format", "Y X Z sys=%d" % system)
        coords = doc and doc["features"][0]["geometry"]["coordinates"]
        check("system %d gives the same EPSG:5514 point" % system, code == 0 and coords == [-JY, -JX, JZ],
              str(coords) + err)

    code, doc, err = geojson(work, "s4.txt", "--format", "Y X Z")
    check("no system (-1): the file's values, X first, no crs",
          doc and "crs" not in doc and doc["features"][0]["geometry"]["coordinates"] == [JX, -JY, JZ], str(doc))
    code, doc, err = geojson(work, "s4.txt", "--format", "Y X Z sys=4", "--crs", "none")
    check("--crs none: the file's values, no crs",
          doc and "crs" not in doc and doc["features"][0]["geometry"]["coordinates"] == [JX, -JY, JZ], str(doc))

    put(work, "czech.txt", ["C:\\měření\\žluťoučký kůň.txt", ".np SName=Příčná", "1 2 3 Bod_č1 Kód"])
    code, doc, err = geojson(work, "czech.txt", "--format", "Y X Z Name TCode", "--points")
    props = doc and doc["features"][0]["properties"]
    check("ANSI texts arrive as UTF-8", props and props["texts"] == ["C:\\měření\\žluťoučký kůň.txt"] and props["sName"] == "Příčná"
          and doc["features"][1]["properties"]["codes"] == ["Kód"], str(props))

    put(work, "empty.txt", [])
    code, doc, err = geojson(work, "empty.txt")
    check("an empty file gives an empty collection", code == 0 and doc and doc["features"] == [], str(doc) + err)

    put(work, "bad.txt", [".np", "1 2 3", "4 x 6", "7 8 9"])
    code, doc, err = geojson(work, "bad.txt", "--format", "Y X Z", "--quiet")
    check("a file that stops: what was read, and the error as the exit status",
          code not in (0, 1) and doc and len(doc["features"]) == 1 and
          doc["features"][0]["properties"]["pointCount"] == 1, "exit %d %s %s" % (code, doc, err))

    code, doc, err = geojson(examples, "sjtsk.txt")
    check("the sample's .fmt line gives its format", code == 0 and doc and len(doc["features"]) == 3 and
          doc["features"][0]["geometry"]["coordinates"][0] == [-744120.25, -1181215.5, 726.31], str(doc) + err)
    ogrinfo = shutil.which("ogrinfo")
    if ogrinfo and not runner:
        code, out, err = run(examples, "read", "sjtsk.txt", "--output", "geojson")
        path = os.path.join(work, "sjtsk.geojson")
        with open(path, "w", encoding="utf-8") as f:
            f.write(out)
        info = subprocess.run([ogrinfo, "-al", "-so", path], capture_output=True, text=True, timeout=120).stdout
        check("ogrinfo reads the sample: count, geometry, S-JTSK / Krovak East North",
              "Feature Count: 3" in info and "S-JTSK / Krovak East North" in info, info)
        types = subprocess.run([ogrinfo, "-al", "-q", path], capture_output=True, text=True, timeout=120).stdout
        check("ogrinfo sees the lines, the ring and the point",
              "LINESTRING" in types and "POLYGON" in types and "POINT" in types, types[:800])


sys.exit(main())
