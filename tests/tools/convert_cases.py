#!/usr/bin/env python3
"""velortrdcd convert, run as a separate process, and every result read back
by GDAL itself (osgeo.ogr): the layers and their feature counts, geometry
types, the first point, names with Czech letters, for each driver; the
reprojection against published figures and a round trip; the usage errors.

    convert_cases.py TOOL EXAMPLES_DIR
"""
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile

from osgeo import gdal, ogr, osr

from case_checks import check, summary

gdal.UseExceptions()
tool, examples = sys.argv[1], sys.argv[2]
SANITIZER = ("AddressSanitizer", "LeakSanitizer", "runtime error:")


def run(work, *args):
    result = subprocess.run([tool, "convert", *args], cwd=work, capture_output=True, timeout=300)
    err = result.stderr.decode("utf-8", "replace")
    return result.returncode, err




def put(work, name, lines):
    with open(os.path.join(work, name), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1250"))


def layers(path):
    """{layer name: [(geometry type name, first point, fields), ...]} as GDAL reads the file."""
    ds = ogr.Open(path)
    out = {}
    for layer in ds:
        rows = []
        for feature in layer:
            geom = feature.GetGeometryRef()
            first = None
            if geom is not None:
                g = geom
                while g.GetGeometryCount():
                    g = g.GetGeometryRef(0)
                first = g.GetPoint(0) if g.GetPointCount() else None
            rows.append((geom.GetGeometryName() if geom else None, first, feature.items()))
        out[layer.GetName()] = rows
    return out


# Three polygons: an open line with Czech names, a closed ring and a single
# point; the first point's Y X Z is 744120.25 1181215.5 726.31. "SLayer="
# holds for the polygons after it too.
KINDS = [
    ".np SName=Příčná",
    "744120.25 1181215.5 726.31 Bod_č1 Kód",
    "744125.75 1181219 726.34 Žabí",
    "744131.125 1181222.5 726.29 Čtvrtý",
    ".np SName=ring PLClos=y SLayer=Voda",
    "744200 1181300 720.5 R1", "744210 1181300 720.5 R2", "744210 1181310 720.6 R3", "744200 1181310 720.6 R4",
    ".np SName=one",
    "744400 1181500 731.02 Osamělý",
]
KINDS_FORMAT = "Y X Z Name TCode sys=0"
FIRST_5514 = (-744120.25, -1181215.5, 726.31)
NAMES = {"Bod_č1", "Žabí", "Čtvrtý", "R1", "R2", "R3", "R4", "Osamělý"}
POLYGON_TYPES = {"LINESTRING", "POLYGON", "POINT"}

# Each driver: OUT, how its results are read back as (file, layer) -> kind,
# and the files beside OUT. "mixed": one layer with a "layer" field.
DRIVERS = [
    ("gpkg", {"o.gpkg": {"polygons": "polygons", "points": "points"}}),
    ("gml", {"o.gml": {"polygons": "polygons", "points": "points"}}),
    ("fgb", {"o_polygons.fgb": {"polygons": "polygons"}, "o_points.fgb": {"points": "points"}}),
    ("shp", {"o_polygons_linestring.shp": {"o_polygons_linestring": "polygons"},
             "o_polygons_polygon.shp": {"o_polygons_polygon": "polygons"},
             "o_polygons_point.shp": {"o_polygons_point": "polygons"},
             "o_points.shp": {"o_points": "points"}}),
    ("geojson", {"o.geojson": {"*": "mixed"}}),
    ("csv", {"o.csv": {"*": "mixed"}}),
]


def by_kind(work, files):
    """The features of the results, split into polygons and points."""
    kinds = {"polygons": [], "points": []}
    for name, wanted in files.items():
        path = os.path.join(work, name)
        if not os.path.exists(path):
            return None
        for layer, rows in layers(path).items():
            kind = wanted.get(layer, wanted.get("*"))
            if kind == "mixed":
                for row in rows:
                    kinds[row[2]["layer"]].append(row)
            elif kind:
                kinds[kind].extend(rows)
    return kinds


def close(a, b, tolerance=1e-6):
    return a is not None and all(abs(x - y) <= tolerance for x, y in zip(a, b))


def driver_cases(work):
    put(work, "kinds.txt", KINDS)
    for suffix, files in DRIVERS:
        code, err = run(work, "kinds.txt", "o." + suffix, "--format", KINDS_FORMAT)
        kinds = by_kind(work, files) if code == 0 else None
        check(suffix + ": converts, no sanitizer report", code == 0 and kinds is not None and
              not any(s in err for s in SANITIZER), err)
        if not kinds:
            continue
        polygons, points = kinds["polygons"], kinds["points"]
        check(suffix + ": 3 polygons, 8 points", (len(polygons), len(points)) == (3, 8),
              (len(polygons), len(points)))
        types = {row[0].replace(" Z", "").replace("25D", "") for row in polygons if row[0]}
        check(suffix + ": a line, a ring and a single point", types == POLYGON_TYPES, types)
        check(suffix + ": the first point in EPSG:5514 with its z", points and close(points[0][1], FIRST_5514),
              points and points[0][1])
        names = {row[2].get("name") for row in points}
        check(suffix + ": the names with Czech letters", names == NAMES, names)
        sname = {row[2].get("sName") for row in polygons}
        check(suffix + ": the polygons' header values", sname == {"Příčná", "ring", "one"}, sname)


def dxf_cases(work):
    code, err = run(work, "kinds.txt", "o.dxf", "--format", KINDS_FORMAT)
    rows = layers(os.path.join(work, "o.dxf"))["entities"] if code == 0 else []
    check("dxf: converts", code == 0, err)
    labels = [r for r in rows if r[2].get("Text")]
    check("dxf: a POINT entity for each point and a label for each name",
          len([r for r in rows if r[0].startswith("POINT") and not r[2].get("Text")]) == 8 + 1 and
          {r[2]["Text"] for r in labels} == NAMES, [(r[0], r[2].get("Text")) for r in rows])
    lines = [r for r in rows if r[0] == "LINESTRING"]
    check("dxf: the first polyline in EPSG:5514, in 3D", lines and close(lines[0][1], FIRST_5514), lines[:1])
    check("dxf: the closed polygon a polyline keeping its heights",
          len(lines) == 2 and lines[1][1] == (-744200.0, -1181300.0, 720.5), lines)
    check("dxf: the DXF layer from SLayer=, else the kind",
          [r[2]["Layer"] for r in lines] == ["polygons", "Voda"] and
          {r[2]["Layer"] for r in rows} == {"polygons", "points", "Voda"}, {r[2]["Layer"] for r in rows})


def kml_cases(work):
    code, err = run(work, "kinds.txt", "o.kml", "--format", KINDS_FORMAT)
    result = layers(os.path.join(work, "o.kml")) if code == 0 else {}
    check("kml: both layers", code == 0 and sorted(result) == ["points", "polygons"] and
          len(result["points"]) == 8 and len(result["polygons"]) == 3, err + str(sorted(result)))
    if result:
        lon, lat = result["points"][0][1][:2]
        check("kml: WGS 84 degrees near Lipno", 14.5 < lon < 14.8 and 48.7 < lat < 49.0, (lon, lat))


# The EPSG's worked example of the Krovak projection (Guidance Note 7-2,
# "Krovak"): on S-JTSK (Bessel 1841) latitude 50°12'32.442"N, longitude
# 16°50'59.179"E give X (southing) 1050538.63 m, Y (westing) 568991.00 m.
EXAMPLE_YX = (568991.00, 1050538.63)
EXAMPLE_LATLON = (50 + 12 / 60 + 32.442 / 3600, 16 + 50 / 60 + 59.179 / 3600)


# A national geodetic control point: the EUREF permanent GNSS station TUBO
# (Brno-Tuřany, DOPNUL point 719) as the Czech geodetic observatory publishes
# it, in S-JTSK (Y 599131.63 m, X 1159442.05 m, Bpv height 279.59 m) and in
# ETRS89 (ETRF89 at epoch 1989.0: 49°12'21.20976"N, 16°35'34.20421"E).
# EPSG:4326 and ETRS89 coincide at the metre level here.
CONTROL_YX = (599131.63, 1159442.05)
CONTROL_LATLON = (49 + 12 / 60 + 21.20976 / 3600, 16 + 35 / 60 + 34.20421 / 3600)


def helmert_to_wgs84(lat, lon):
    """S-JTSK geographic to WGS 84 with the 7-parameter key the Czech land
    survey publishes for the whole country (position vector: 570.8 85.7
    462.8 m, 4.998 1.587 5.261", 3.56 ppm; about 1 m), computed here on its
    own: Bessel to geocentric, the similarity, geocentric to WGS 84."""
    a, f = 6377397.155, 1 / 299.1528128
    e2 = f * (2 - f)
    la, lo = math.radians(lat), math.radians(lon)
    n = a / math.sqrt(1 - e2 * math.sin(la) ** 2)
    x, y, z = n * math.cos(la) * math.cos(lo), n * math.cos(la) * math.sin(lo), n * (1 - e2) * math.sin(la)
    rx, ry, rz = (math.radians(v / 3600) for v in (4.998, 1.587, 5.261))
    s = 1 + 3.56e-6
    x, y, z = (570.8 + s * (x - rz * y + ry * z), 85.7 + s * (rz * x + y - rx * z), 462.8 + s * (-ry * x + rx * y + z))
    a, f = 6378137.0, 1 / 298.257223563
    e2 = f * (2 - f)
    lo, p = math.atan2(y, x), math.hypot(x, y)
    la = math.atan2(z, p * (1 - e2))
    for _ in range(10):
        n = a / math.sqrt(1 - e2 * math.sin(la) ** 2)
        la = math.atan2(z + e2 * n * math.sin(la), p)
    return math.degrees(la), math.degrees(lo)


def metres(latlon_a, latlon_b):
    dlat = (latlon_a[0] - latlon_b[0]) * 111200
    dlon = (latlon_a[1] - latlon_b[1]) * 111200 * math.cos(math.radians(latlon_a[0]))
    return math.hypot(dlat, dlon)


def gdal_round_trip(yx, system):
    """S-JTSK (EPSG:5514) to SYSTEM and back with GDAL's transformations
    alone, in the traditional GIS order."""
    def srs(code):
        ref = osr.SpatialReference()
        ref.SetFromUserInput(code)
        ref.SetAxisMappingStrategy(osr.OAMS_TRADITIONAL_GIS_ORDER)
        return ref
    there = osr.CoordinateTransformation(srs("EPSG:5514"), srs(system)).TransformPoint(-yx[0], -yx[1])
    back = osr.CoordinateTransformation(srs(system), srs("EPSG:5514")).TransformPoint(there[0], there[1])
    return back[0], back[1]


def first_point(path):
    rows = [r for rows in layers(path).values() for r in rows if r[2].get("layer", "points") == "points"]
    return rows[0][1] if rows else None


def reprojection_cases(work):
    put(work, "example.txt", ["%.2f %.2f 0 E1" % EXAMPLE_YX])
    fmt = ["--format", "Y X Z Name sys=0"]
    code, err = run(work, "example.txt", "bessel.geojson", *fmt, "--to", "EPSG:4156")
    p = first_point(os.path.join(work, "bessel.geojson")) if code == 0 else None
    d = p and metres((p[1], p[0]), EXAMPLE_LATLON)
    print("     Krovak example: published %r, computed %r, %.4f m apart" % (EXAMPLE_LATLON, p and (p[1], p[0]), d or -1))
    check("the published Krovak example within 5 cm (lon, lat order)", d is not None and d < 0.05, err)

    code, err = run(work, "example.txt", "wgs.geojson", *fmt, "--to", "EPSG:4326")
    p = first_point(os.path.join(work, "wgs.geojson")) if code == 0 else None
    expected = helmert_to_wgs84(*EXAMPLE_LATLON)
    d = p and metres((p[1], p[0]), expected)
    print("     WGS 84: the published key gives %r, convert %r, %.3f m apart" % (expected, p and (p[1], p[0]), d or -1))
    check("EPSG:4326 within 1 m of the published 7-parameter key", d is not None and d < 1.0, err)

    put(work, "control.txt", ["%.2f %.2f 279.59 TUBO" % CONTROL_YX])
    code, err = run(work, "control.txt", "control.geojson", *fmt, "--to", "EPSG:4326")
    p = first_point(os.path.join(work, "control.geojson")) if code == 0 else None
    d = p and metres((p[1], p[0]), CONTROL_LATLON)
    print("     control point TUBO: published %r, convert %r, %.3f m apart" % (CONTROL_LATLON, p and (p[1], p[0]), d or -1))
    check("the control point's published ETRS89 position within 1 m after --to EPSG:4326", d is not None and d < 1.0, err)

    # Back with GDAL's own ogr2ogr. Through S-JTSK's own latitude and
    # longitude the projection alone: well under 1 mm. Through WGS 84 the
    # EPSG's datum shift is a 7-parameter one defined between 2D systems: the
    # way there computes an ellipsoidal height (about 43 m) and drops it, the
    # way back starts from height 0, and the 5" rotations turn those 43 m into
    # about 1.3 mm across. GDAL's own round trip, both ways with its own
    # transformation, lands on the same spot, so convert's first leg is held
    # to that within a micrometre, and the trip to 2 mm.
    gdal_only, ends = gdal_round_trip(EXAMPLE_YX, "EPSG:4326"), {}
    for system, source, tolerance in (("EPSG:4156", "bessel.geojson", 0.001), ("EPSG:4326", "wgs.geojson", 0.002)):
        back = os.path.join(work, "back.geojson")
        gdal.VectorTranslate(back, os.path.join(work, source), format="GeoJSON", dstSRS="EPSG:5514",
                             reproject=True)
        p = ends[system] = first_point(back)
        os.remove(back)
        error = p and math.hypot(p[0] + EXAMPLE_YX[0], p[1] + EXAMPLE_YX[1])
        print("     round trip 5514 -> %s -> 5514: %.6f m" % (system, error if error is not None else -1))
        check("round trip through %s within %g m" % (system, tolerance), error is not None and error < tolerance, p)
    print("     GDAL alone, 5514 -> EPSG:4326 -> 5514: %.6f m off, at %r" % (
        math.hypot(gdal_only[0] + EXAMPLE_YX[0], gdal_only[1] + EXAMPLE_YX[1]), gdal_only))
    p = ends["EPSG:4326"]
    check("the trip through EPSG:4326 ends where GDAL's own round trip does", p and close(p[:2], gdal_only, 1e-6),
          (p, gdal_only))

    code, err = run(work, "kinds.txt", "krovak.csv", "--format", KINDS_FORMAT, "--to",
                    "+proj=krovak +czech +lat_0=49.5 +lon_0=24.83333333333333 +alpha=30.28813972222222 +k=0.9999 "
                    "+x_0=0 +y_0=0 +ellps=bessel +units=m +no_defs")
    p = code == 0 and first_point(os.path.join(work, "krovak.csv"))
    check("--to takes a PROJ string: Krovak with +czech is westing, southing positive", p and
          close(p, (744120.25, 1181215.5), 1e-3), str(p) + err)


def usage_cases(work):
    put(work, "nosys.txt", ["744120.25 1181215.5 726.31 A"])
    existing = os.path.join(work, "taken.gpkg")
    with open(existing, "w") as f:
        f.write("keep me")
    table = [
        ("an unknown suffix lists the drivers", ["kinds.txt", "o.xyz", "--format", KINDS_FORMAT], 64,
         ["GPKG", "ESRI Shapefile", "--driver"]),
        ("--to without sys= says how to name the system", ["nosys.txt", "o.gpkg", "--format", "Y X Z Name",
                                                          "--to", "EPSG:4326"], 64, ["sys="]),
        ("KML without sys= is refused", ["nosys.txt", "n.kml", "--format", "Y X Z Name"], 64, ["WGS 84", "sys="]),
        ("an existing OUT is kept without --overwrite", ["kinds.txt", "taken.gpkg", "--format", KINDS_FORMAT], 64,
         ["--overwrite"]),
        ("a --to GDAL does not know", ["kinds.txt", "t.gpkg", "--format", KINDS_FORMAT, "--to", "EPSG:99999999"],
         64, ["--to"]),
        ("a layer that is not there", ["kinds.txt", "l.gpkg", "--format", KINDS_FORMAT, "--layers", "lines"],
         64, ["--layers"]),
        ("a file that cannot be opened", ["missing.txt", "m.gpkg", "--format", KINDS_FORMAT], 1, ["cannot open"]),
    ]
    for name, args, expected, words in table:
        code, err = run(work, *args)
        check(name, code == expected and all(w in err for w in words), "exit %d: %s" % (code, err))
    with open(existing) as f:
        check("the existing OUT is untouched", f.read() == "keep me")
    check("nothing is written for a refused KML", not os.path.exists(os.path.join(work, "n.kml")))
    code, err = run(work, "kinds.txt", "taken.gpkg", "--format", KINDS_FORMAT, "--overwrite")
    check("--overwrite replaces it", code == 0 and len(layers(existing)["points"]) == 8, err)
    code, err = run(work, "kinds.txt", "only.gpkg", "--format", KINDS_FORMAT, "--layers", "points")
    check("--layers points writes the points alone", code == 0 and list(layers(os.path.join(work, "only.gpkg")))
          == ["points"], err)
    code, err = run(work, "nosys.txt", "raw.geojson", "--format", "Y X Z Name")
    p = code == 0 and first_point(os.path.join(work, "raw.geojson"))
    check("without sys= the file's values with no system, X first", p and close(p, (1181215.5, 744120.25, 726.31)),
          str(p) + err)


def example_cases(work):
    """Each sample through its own format choice (.fmt line or guess), to each driver."""
    for sample in ("sjtsk.txt", "survey.txt", "semicolon.txt"):
        for suffix, files in DRIVERS:
            out = "e." + suffix
            code, err = run(work, os.path.join(examples, sample), out, "--overwrite")
            renamed = {k.replace("o_", "e_").replace("o.", "e."): {l.replace("o_", "e_"): v for l, v in w.items()}
                       for k, w in files.items()}
            kinds = by_kind(work, {k: v for k, v in renamed.items() if os.path.exists(os.path.join(work, k))})
            total = kinds and len(kinds["points"])
            check("%s to %s" % (sample, suffix), code == 0 and total and total == expected_points(sample),
                  "exit %d, %r points: %s" % (code, total, err))


def expected_points(sample):
    """The sample's points as read reads them."""
    result = subprocess.run([tool, "read", os.path.join(examples, sample), "--output", "json"], capture_output=True,
                            timeout=120)
    return sum(len(item["points"]) for item in json.loads(result.stdout.decode("utf-8"))["items"])


def main():
    work = tempfile.mkdtemp(prefix="velor-convert-")
    try:
        driver_cases(work)
        dxf_cases(work)
        kml_cases(work)
        reprojection_cases(work)
        usage_cases(work)
        example_cases(work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return summary()


sys.exit(main())
