#!/usr/bin/env python3
"""velortrdcd guess and read without --format, run as separate processes on
point lists of many kinds written here: each proposal checked field by field,
and each file read with the guessed format giving exactly the values that a
plain parser of the file (below, independent of the tool) gives.

    guess_cases.py TOOL EXAMPLES_DIR [RUNNER]
"""
import csv
import io
import json
import os
import subprocess
import sys
import tempfile

from case_checks import check, summary

tool, examples = sys.argv[1], sys.argv[2]
runner = [a for a in sys.argv[3:4] if a]


def run(work, *args):
    result = subprocess.run(runner + [tool, *args], cwd=work, capture_output=True, timeout=120)
    return result.returncode, result.stdout.decode("utf-8"), result.stderr.decode("utf-8", "replace")




# Points of the Lipno area in S-JTSK: name, Y, X, Z, code (codes with blanks
# and Czech letters where a kind of file holds them).
POINTS = [("1", 745321.12, 1045123.45, 251.3, "plot"), ("2", 745330.5, 1045130.25, 251.42, "plot"),
          ("3", 745341.875, 1045141.0, 252.07, "roh"), ("4", 745350.0, 1045150.5, 251.95, "plot"),
          ("5", 745362.25, 1045162.75, 252.4, "strom")]


def comma(v):
    return repr(v).replace(".", ",")


def rows(fmt):
    return [fmt(*p) for p in POINTS]


def by_split(lines, order, sep=None, decimal=".", quoted=False):
    """The plain reading: split each line, map the columns by order."""
    out = []
    for line in lines:
        cells = next(csv.reader([line], delimiter=sep)) if quoted else (line.split(sep) if sep else line.split())
        rec = {"na": "", "y": 0.0, "x": 0.0, "z": 0.0, "tc": []}
        for key, cell in zip(order, cells):
            cell = cell.strip()
            if key in ("y", "x", "z"):
                rec[key] = float(cell.replace(decimal, ".")) if cell else 0.0
            elif key == "na":
                rec[key] = cell
            elif key == "tc" and cell:
                rec["tc"].append(cell)
            elif key == "-y" or key == "-x":
                rec[key[1:]] = -float(cell)
        out.append(rec)
    return out


def points_of(json_text):
    points = []
    for item in json.loads(json_text)["items"]:
        for p in item["points"]:
            points.append({"na": p["na"], "y": p["y"], "x": p["x"], "z": p["z"],
                           "tc": p["tc"].split("\x01") if p["tc"] else []})
    return points


def same(a, b):
    if len(a) != len(b):
        return False
    for p, q in zip(a, b):
        if p["na"] != q["na"] or p["tc"] != q["tc"]:
            return False
        if any(abs(p[k] - q[k]) > 1e-9 for k in ("x", "y", "z")):
            return False
    return True


DATA = [f"{n} {y} {x} {z} {c}" for n, y, x, z, c in POINTS]

# name, file bytes, the data lines as text, the plain reading, fields, options
# the format must hold, first line, last line.
CASES = [
    ("pnezd-csv-header",
     ("P,N,E,Z,D\n" + "\n".join(rows(lambda n, y, x, z, c: f"{n},{x},{y},{z},{c}")) + "\n").encode(),
     lambda t: by_split(t.splitlines()[1:], ["na", "x", "y", "z", "tc"], ","),
     ["Name", "X", "Y", "Z", "TCode"], ["sep(,)", "sys=0"], 2, 0),
    ("penzd-blanks",
     ("\n".join(DATA) + "\n").encode(),
     lambda t: by_split(t.splitlines(), ["na", "y", "x", "z", "tc"]),
     ["Name", "Y", "X", "Z", "TCode"], ["sys=0"], 0, 0),
    ("enz-gis-negative",
     ("E,N,Z\n" + "\n".join(rows(lambda n, y, x, z, c: f"{-y},{-x},{z}")) + "\n").encode(),
     lambda t: by_split(t.splitlines()[1:], ["y", "x", "z"], ","),
     ["Y", "X", "Z"], ["sep(,)", "sys=6"], 2, 0),
    ("decimal-comma-semicolon",
     ("\n".join(rows(lambda n, y, x, z, c: f"{n};{comma(y)};{comma(x)};{comma(z)}")) + "\n").encode(),
     lambda t: by_split(t.splitlines(), ["na", "y", "x", "z"], ";", ","),
     ["Name", "Y", "X", "Z"], ["sep(;)", "decc", "sys=0"], 0, 0),
    ("quoted-csv",
     ('"Pt","Y","X","Z"\n' + "\n".join(rows(lambda n, y, x, z, c: f'"P{n}","{comma(y)}","{comma(x)}","{comma(z)}"'))
      + "\n").encode(),
     lambda t: by_split(t.splitlines()[1:], ["na", "y", "x", "z"], ",", ",", quoted=True),
     ["Name", "Y", "X", "Z"], ["sep(,)", "decc", "sys=0"], 2, 0),
    ("utf16-czech-header",
     ("\ufeff\u010d.b. Y X Z k\u00f3d\r\n" + "\r\n".join(DATA) + "\r\n").encode("utf-16-le"),
     lambda t: by_split(t.splitlines()[1:], ["na", "y", "x", "z", "tc"]),
     ["Name", "Y", "X", "Z", "TCode"], ["sys=0"], 2, 0),
    ("cp1250-semicolon-texts",
     ("Bod;Y;X;V\u00fd\u0161ka;Popis\n" + "\n".join(
         rows(lambda n, y, x, z, c: f"40{n};{y};{x};{z};Kostel sv. Ji\u0159\u00ed {c}")) + "\n").encode("cp1250"),
     lambda t: by_split(t.splitlines()[1:], ["na", "y", "x", "z", "tc"], ";"),
     ["Name", "Y", "X", "Z", "TCode"], ["sep(;)", "sys=0"], 2, 0),
    ("station-line-and-end-marker",
     ("STATION 12 Lipno hraz\n" + "\n".join(DATA) + "\nEND\n-1\n").encode(),
     lambda t: by_split(t.splitlines()[1:-2], ["na", "y", "x", "z", "tc"]),
     ["Name", "Y", "X", "Z", "TCode"], ["sys=0"], 2, 6),
    ("codes-with-star",
     ("\n".join(rows(lambda n, y, x, z, c: f"{n} {y} {x} {z} CL1.5*{c}")) + "\n").encode(),
     lambda t: by_split(t.splitlines(), ["na", "y", "x", "z", "tc"]),
     ["Name", "Y", "X", "Z", "TCode"], ["sys=0", "cmt(; $ !)"], 0, 0),
    ("x-before-y",
     ("\n".join(rows(lambda n, y, x, z, c: f"{n} {x} {y} {z}")) + "\n").encode(),
     lambda t: by_split(t.splitlines(), ["na", "x", "y", "z"]),
     ["Name", "X", "Y", "Z"], ["sys=0"], 0, 0),
    ("tab-blanks-in-codes-and-an-empty-code",
     ("\n".join(rows(lambda n, y, x, z, c: f"{n}\t{y}\t{x}\t{z}\t{'' if n == '3' else 'new ' + c}")) + "\n").encode(),
     lambda t: by_split(t.splitlines(), ["na", "y", "x", "z", "tc"], "\t"),
     ["Name", "Y", "X", "Z", "TCode"], ["sep(T)", "sys=0"], 0, 0),
    ("descriptions-that-run-on",
     ("\n".join(f"{n} {y} {x} {z} " + " ".join(["big", "old", "oak"][: int(n) % 3 + 1])
                for n, y, x, z, c in POINTS) + "\n").encode(),
     lambda t: [dict(r, tc=[" ".join(line.split()[4:])]) for r, line in
                zip(by_split(t.splitlines(), ["na", "y", "x", "z"]), t.splitlines())],
     ["Name", "Y", "X", "Z", "TCodeEnd"], ["sys=0"], 0, 0),
    ("gis-negative-with-point-codes",
     ("\n".join(rows(lambda n, y, x, z, c: f"P{n}a {-y} {-x} {z}")) + "\n").encode(),
     lambda t: by_split(t.splitlines(), ["na", "y", "x", "z"]),
     ["Name", "Y", "X", "Z"], ["sys=6"], 0, 0),
]

with tempfile.TemporaryDirectory() as work:
    guessed_right = 0
    for name, data, plain, fields, options, first, last in CASES:
        path = os.path.join(work, name + ".txt")
        with open(path, "wb") as f:
            f.write(data)
        code, out, err = run(work, "guess", path, "--output", "json")
        try:
            g = json.loads(out)
        except ValueError:
            check(name + ": guess", False, out + err)
            continue
        got = [c["field"] for c in g["fields"]]
        right = code == 0 and g["decided"] and got == fields and all(o in g["format"] for o in options) \
            and g["firstLine"] == first and g["lastLine"] == last
        guessed_right += right
        check(name + ": proposal " + g["format"], right, json.dumps(g))
        check(name + ": its check on the sample", g["check"]["undecoded"] == 0 and g["check"]["unused"] == 0
              and g["check"]["lines"] == len(POINTS), json.dumps(g["check"]))
        check(name + ": every field has its reason", all(c["reason"] for c in g["fields"]), out)
        code, out, err = run(work, "read", path, "--output", "json")
        text = data.decode("utf-16") if name.startswith("utf16") else data.decode("cp1250")
        want = plain(text.replace("\r", ""))
        check(name + ": read without --format gives the plain reading",
              code == 0 and same(points_of(out), want), f"exit {code}\n{err}\n{out[:600]}\nwant {want[:2]}")
        check(name + ": the guess is announced", 'format guessed: "' + g["format"] + '"' in err, err)
    print(f"{guessed_right} of {len(CASES)} kinds guessed right")

    # The built-in format's trap: a point number before two coordinates. The
    # guess names the point number and never puts it into Y.
    trap = os.path.join(work, "trap.txt")
    with open(trap, "w") as f:
        f.write("".join(f"{n} {y} {x} {z}\n" for n, y, x, z, c in POINTS))
    code, out, _ = run(work, "guess", trap, "--output", "json")
    g = json.loads(out)
    check("trap in S-JTSK: the point number is the name",
          code == 0 and [c["field"] for c in g["fields"]] == ["Name", "Y", "X", "Z"], out)
    local = os.path.join(work, "local.txt")
    with open(local, "w") as f:
        f.write("".join(f"{i} {1000 + i * 7.5} {2000 + i * 3.25} {100 + i / 4}\n" for i in range(1, 9)))
    code, out, _ = run(work, "guess", local, "--output", "json")
    g = json.loads(out)
    check("trap in a local grid: not reported as recognised (exit 3), the number is the name",
          code == 3 and not g["decided"] and g["warning"] and g["fields"][0]["field"] == "Name"
          and g["alternative"] == "Name X Y Z", out)
    code, out, err = run(work, "read", local, "--output", "json")
    check("trap in a local grid: read warns and keeps every value",
          code == 0 and "warning: format not recognised" in err and
          same(points_of(out), by_split(open(local).read().splitlines(), ["na", "y", "x", "z"])), err + out[:300])
    code, out, err = run(work, "read", local, "--format", "default", "--output", "json")
    check("--format default reads with the built-in format, no guess",
          code == 0 and "guess" not in err and "not recognised" not in err and points_of(out)[0]["y"] == 1.0, err)
    code, out, err = run(work, "read", local, "--first", "3", "--last", "4", "--output", "json")
    check("--first and --last win over the guess", len(points_of(out)) == 2, out[:300])

    # A proposal that leaves a line undecoded says so: an empty number field
    # between two values is no number.
    gap = os.path.join(work, "gap.txt")
    with open(gap, "w") as f:
        f.write("".join(f"{n}\t{y}\t{'' if n == '3' else x}\t{z}\n" for n, y, x, z, c in POINTS))
    code, out, _ = run(work, "guess", gap, "--output", "json")
    g = json.loads(out)
    check("the check finds the line the proposal cannot read",
          g["check"]["undecoded"] == 1 and g["check"]["firstUndecoded"] == 3, out)
    code, _, err = run(work, "read", gap, "--quiet")
    check("read announces the refused line and fails on it", code == 4 and "1 refused (first: line 3)" in err, err)

    # Nothing to recognise: the built-in format with a warning.
    words = os.path.join(work, "words.txt")
    with open(words, "w") as f:
        f.write("alpha beta\ngamma delta\n")
    code, out, _ = run(work, "guess", words)
    check("no columns of numbers: the built-in format, exit 3",
          code == 3 and "format: Y X cmt(; $ ! *)" in out and "warning:" in out, out)

    # The samples read as they did with the built-in format.
    for sample in ("survey.txt", "bad-line.txt", "unknown-command.txt", "utf16.txt"):
        path = os.path.join(examples, sample)
        a = run(work, "read", path, "--unknown", "skip")
        b = run(work, "read", path, "--unknown", "skip", "--format", "default")
        check(sample + ": read without --format lists what the built-in format lists",
              a[0] == b[0] and a[1] == b[1], a[1] + "\n---\n" + b[1])
    code, out, err = run(work, "read", os.path.join(examples, "survey.txt"), "--output", "geojson")
    check("a recognised S-JTSK file lands in EPSG:5514", code == 0 and "EPSG::5514" in out, out[:300] + err)

sys.exit(summary())
