#!/usr/bin/env python3
"""Prints the short table of a benchmark run from Google Benchmark's JSON
output: the native build's file, and optionally the Windows build's (run
under Wine), e.g.

    python3 bench/summarize.py build/bench/native.json build/bench/win64.json

Times are CPU time per operation, as Google Benchmark's own rates (MB/s,
lines/s) use them, and the median of the repetitions where the run had
several; MB is 10^6 bytes, MiB 2^20. Ratios: the system's time
over the reference reader's and over muparser's (above 1: the system is
slower), and the Windows build's time under Wine over the native one.

The first table holds the targets: each figure with its limit and PASS or
MISS (a figure that is missing from the run is MISS too); the script exits
with 3 when any target is missed (1 is Python's own failure)."""

import json
import re
import sys

UNIT_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
SIZES = (10000, 100000, 1000000)
EXPRESSIONS = ("short", "nested", "variables", "text")


def load(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    runs, medians = {}, {}
    for b in data.get("benchmarks", []):
        # A benchmark with its own minimum time is known by its plain name.
        for key in ("name", "run_name"):
            if key in b:
                b[key] = re.sub(r"/min_time:[0-9.]+", "", b[key])
        if b.get("run_type", "iteration") == "iteration":
            runs.setdefault(b.get("run_name", b["name"]), b)
        elif b.get("aggregate_name") == "median":
            medians[b["run_name"]] = b
    # With repetitions, the median of each figure stands for the benchmark.
    runs.update(medians)
    return data.get("context", {}), runs


def ns(run):
    """CPU time of one iteration in ns, or None for a missing or failed run."""
    if not run or run.get("error_occurred"):
        return None
    return run["cpu_time"] * UNIT_NS[run.get("time_unit", "ns")]


def num(value, digits=0):
    if value is None:
        return "-"
    if abs(value) >= 1e5:
        return f"{value:,.0f}"
    return f"{value:.{digits}f}"


def ratio(a, b):
    return f"{a / b:.2f}" if a is not None and b else "-"


def counter(run, key, scale=1.0):
    if not run or run.get("error_occurred") or key not in run:
        return None
    return run[key] / scale


def failures(runs):
    return [f"{n}: {r.get('error_message', 'failed')}" for n, r in runs.items() if r.get("error_occurred")]


def table(title, header, rows):
    print(f"\n{title}")
    widths = [max(len(str(r[i])) for r in [header] + rows) for i in range(len(header))]
    for r in [header] + rows:
        cells = [str(c).ljust(widths[0]) if i == 0 else str(c).rjust(widths[i]) for i, c in enumerate(r)]
        print("  " + "  ".join(cells))


def per_build(builds, columns):
    """One column group per build: (label, runs) -> cells."""
    header, getters = [], []
    for label, runs in builds:
        for title, get in columns:
            header.append(f"{title} {label}")
            getters.append((runs, get))
    return header, getters


def wine_ratio(builds, name):
    if len(builds) < 2:
        return []
    return [ratio(ns(builds[1][1].get(name)), ns(builds[0][1].get(name)))]


def decode_line(builds):
    names = [n for n in builds[0][1] if n.startswith("DecodeLine/")]
    header = ["DecodeLine"]
    for label, _ in builds:
        header += [f"ns/line {label}", f"MB/s {label}", f"allocs/line {label}"]
    header += ["Wine/native"] if len(builds) > 1 else []
    rows = []
    for n in names:
        row = [n.split("/", 1)[1]]
        for _, runs in builds:
            r = runs.get(n)
            row += [num(ns(r)), num(counter(r, "bytes_per_second", 1e6), 1), num(counter(r, "allocs_per_line"), 1)]
        rows.append(row + wine_ratio(builds, n))
    table("DecodeLine: one data line decoded into a point record", header, rows)


def rss(run, key):
    return counter(run, key, 1024.0 * 1024.0)


def minus(a, b):
    return a - b if a is not None and b is not None else None


def read_point_file(builds):
    for label, runs in builds:
        rows = []
        for size in SIZES:
            system, ref, lines = (runs.get(f"{k}/{size}") for k in ("ReadPointFile", "ReferenceRead", "ReadLines"))
            rows.append([
                f"{size:,}",
                num(counter(system, "bytes_per_second", 1e6), 1),
                num(counter(system, "items_per_second", 1e6), 2),
                num(ns(system) and ns(system) / 1e6, 1),
                num(ns(ref) and ns(ref) / 1e6, 1),
                ratio(ns(system), ns(ref)),
                num(rss(system, "rss_base"), 1),
                num(rss(system, "rss_peak"), 1),
                num(minus(rss(system, "rss_held"), rss(system, "rss_base")), 1),
                num(minus(rss(system, "rss_peak"), rss(system, "rss_held")), 1),
                num(minus(rss(ref, "rss_peak"), rss(ref, "rss_base")), 1),
                num(minus(rss(lines, "rss_peak"), rss(lines, "rss_base")), 2),
                num(counter(lines, "bytes_per_second", 1e6), 1),
            ])
        table(f"ReadPointFile [{label}]: files of N data lines, '.np' every 1,000, a comment every 100; memory of "
              "one reading in a fresh process: result = held - base, above result = peak - held",
              ["data lines", "MB/s", "Mlines/s", "ms/file", "ref ms", "system/ref", "RSS base MiB", "peak MiB",
               "result MiB", "above result MiB", "ref peak-base MiB", "lines-only peak-base MiB",
               "lines-only MB/s"], rows)
    if len(builds) > 1:
        rows = [[f"{size:,}"] + [ratio(ns(builds[1][1].get(f"{k}/{size}")), ns(builds[0][1].get(f"{k}/{size}")))
                                 for k in ("ReadPointFile", "ReferenceRead", "ReadLines")] for size in SIZES]
        table("ReadPointFile, Wine/native time", ["data lines", "ReadPointFile", "reference", "lines only"], rows)


def format_text(builds):
    names = sorted({n.split("/", 1)[1] for _, runs in builds for n in runs if n.startswith("ParseFormatText/")},
                   key=int)
    header = ["format string"]
    for label, _ in builds:
        header += [f"parse ns {label}", f"print ns {label}"]
    if len(builds) > 1:
        header += ["parse Wine/native", "print Wine/native"]
    rows = []
    for n in names:
        first = builds[0][1].get(f"ParseFormatText/{n}") or {}
        row = [first.get("label", n)]
        for _, runs in builds:
            row += [num(ns(runs.get(f"ParseFormatText/{n}"))), num(ns(runs.get(f"PrintFormatText/{n}")))]
        if len(builds) > 1:
            row += wine_ratio(builds, f"ParseFormatText/{n}") + wine_ratio(builds, f"PrintFormatText/{n}")
        rows.append(row)
    table("ParseFormatText / PrintFormatText: time per string", header, rows)


def compute(builds):
    native = builds[0][1]
    has_mu = any(n.startswith("MuParser/") for n in native)
    for label, runs in builds:
        rows = []
        for e in EXPRESSIONS:
            narrow, wide = runs.get(f"Compute/narrow/{e}"), runs.get(f"Compute/wide/{e}")
            row = [e, num(ns(narrow)), num(ns(wide)),
                   num(counter(narrow, "allocs_per_expr"), 1), num(counter(wide, "allocs_per_expr"), 1)]
            if runs is native and has_mu:
                both, only = runs.get(f"MuParser/parse_eval/{e}"), runs.get(f"MuParser/eval/{e}")
                row += [num(ns(both)), num(ns(only), 1), num(counter(both, "allocs_per_expr"), 1),
                        ratio(ns(narrow), ns(both)), ratio(ns(narrow), ns(only))]
            else:
                row += ["-"] * 5
            rows.append(row)
        note = "" if runs is native and has_mu else " (muparser: native only, not run here)"
        table(f"Compute [{label}]: time per expression{note}",
              ["expression", "narrow ns", "wide ns", "allocs narrow", "allocs wide", "muparser parse+eval ns",
               "muparser eval ns", "muparser allocs", "narrow/mu parse+eval", "narrow/mu eval"], rows)
    if len(builds) > 1:
        rows = [[e] + wine_ratio(builds, f"Compute/narrow/{e}") + wine_ratio(builds, f"Compute/wide/{e}")
                for e in EXPRESSIONS]
        table("Compute, Wine/native time", ["expression", "narrow", "wide"], rows)


def case_table(builds):
    rows = []
    for label, runs in builds:
        fill = runs.get("CaseTable/Fill")
        compare = runs.get("CaseTable/CompareCollateNoCase")
        match = runs.get("CaseTable/MatchWordNoCase")
        per = lambda r: 1e9 / counter(r, "items_per_second") if counter(r, "items_per_second") else None
        rows.append([label, num(ns(fill) and ns(fill) / 1e6, 1), num(per(compare), 1), num(per(match), 1)])
    table("Case table", ["build", "fill ms", "ns/CompareCollateNoCase", "ns/MatchWordNoCase"], rows)


def growth(builds):
    """Time per item at the larger size over the smaller: 1.00 is linear."""
    cases = (("CollectValues", "10000", "100000", "values on one line"),
             ("CatalogueLoad", "1", "10", "MB format line in the catalogue"))
    header = ["case", "sizes"]
    for label, _ in builds:
        header += [f"ms small {label}", f"ms large {label}", f"growth {label}"]
    rows = []
    for name, small, large, what in cases:
        row = [name, f"{small} / {large} {what}"]
        for _, runs in builds:
            a, b = runs.get(f"{name}/{small}"), runs.get(f"{name}/{large}")
            per = lambda r: 1.0 / counter(r, "items_per_second") if counter(r, "items_per_second") else None
            row += [num(ns(a) and ns(a) / 1e6, 2), num(ns(b) and ns(b) / 1e6, 2), ratio(per(b), per(a))]
        rows.append(row)
    table("Growth: time per item at the larger size over the smaller (1.00: linear)", header, rows)


# The targets: (what, how the figure is had, the limit, the figure's unit).
# Each figure is a ratio of two runs of the same program in the same run,
# or a count, so that a busy or slow machine moves both sides alike.
def per_item(run):
    rate = counter(run, "items_per_second")
    return 1.0 / rate if rate else None


def over(a, b):
    return a / b if a is not None and b else None


def bytes_per_point(run):
    if not run or "points" not in run:
        return None
    held, base = counter(run, "rss_held"), counter(run, "rss_base")
    return (held - base) / run["points"] if held is not None and base is not None else None


def heap_floor(native, wine, big):
    """What the shared heap alone puts under ReadPointFile's Wine / native:
    HeapBlocks allocates and frees one block per point, the name every point
    keeps. The floor is native ReadPointFile with its heap blocks costing
    what they cost under Wine."""
    read, blocks = native.get("ReadPointFile" + big), native.get("HeapBlocks" + big)
    wine_blocks = wine.get("HeapBlocks" + big)
    if not (read and blocks and wine_blocks):
        return []
    floor = (ns(read) - ns(blocks) + ns(wine_blocks)) / ns(read)
    return [[f"HeapBlocks{big} (a name's block per point) Wine / native", ratio(ns(wine_blocks), ns(blocks))],
            [f"ReadPointFile{big} Wine / native with only the heap at Wine's cost", f"{floor:.2f}"]]


def targets(builds):
    native = builds[0][1]
    rows, missed = [], 0

    def check(what, figure, limit, unit="x", at_most=True):
        nonlocal missed
        ok = figure is not None and (figure <= limit if at_most else figure >= limit)
        missed += 0 if ok else 1
        shown = "-" if figure is None else (f"{figure:.2f}" if unit == "x" else f"{figure:.1f}")
        rows.append([what, shown, f"{'<=' if at_most else '>='} {limit:g}{'' if unit == 'x' else ' ' + unit}",
                     "PASS" if ok else "MISS"])

    big = f"/{SIZES[-1]}"
    # Timed in turns (PairedRead): the two benchmarks' own medians are taken
    # seconds apart, and the machine's slow spells fall on one or the other.
    check(f"ReadPointFile{big} / reference reader, in turns", counter(native.get("PairedRead" + big), "ratio"), 2.0)
    if len(builds) > 1:
        wine = builds[1][1]
        check(f"ReadPointFile{big} Wine / native", over(ns(wine.get("ReadPointFile" + big)),
                                                        ns(native.get("ReadPointFile" + big))), 1.5)
    for case in ("blanks", "blanks_name", "semicolon_decimal_comma"):
        check(f"DecodeLine/{case} / from_chars loop", over(ns(native.get("DecodeLine/" + case)),
                                                           ns(native.get("FromChars/" + case))), 2.5)
    # One allocation per kept text: the name, and the codes of the keyword line.
    for case, texts in (("blanks", 0), ("blanks_name", 1), ("semicolon_decimal_comma", 1), ("keywords", 2)):
        check(f"DecodeLine/{case} allocations per line", counter(native.get("DecodeLine/" + case),
                                                                "allocs_per_line"), texts, "")
    held = native.get("ReadPointFile" + big)
    check(f"ReadPointFile{big} bytes held per point", bytes_per_point(held), 108, "B")
    check(f"ReadPointFile{big} peak above the result", minus(rss(held, "rss_peak"), rss(held, "rss_held")), 8,
          "MiB")
    for e in ("nested", "variables"):
        check(f"Compute/narrow/{e} / reference evaluator", over(ns(native.get("Compute/narrow/" + e)),
                                                               ns(native.get("Reference/" + e))), 2.0)
    # Logarithmic insertion: ten times the variables cost each at most twice
    # as much (quadratic insertion: ten times as much).
    check("Variables: time per variable at 50,000 / at 5,000", over(per_item(native.get("Variables/50000")),
                                                                   per_item(native.get("Variables/5000"))), 2.0)
    table("Targets (ratios of medians in this run)", ["target", "figure", "limit", ""], rows)
    info = [[f"Compute/narrow/{e} / muparser parse+eval",
             ratio(ns(native.get(f"Compute/narrow/{e}")), ns(native.get(f"MuParser/parse_eval/{e}")))]
            for e in EXPRESSIONS if native.get(f"MuParser/parse_eval/{e}")]
    info.append(["Variables/50000 / Trivial/50000 per expression",
                 ratio(per_item(native.get("Variables/50000")), per_item(native.get("Trivial/50000")))])
    info.append([f"ReadPointFile{big} / reference reader, medians of separate runs",
                 ratio(ns(native.get("ReadPointFile" + big)), ns(native.get("ReferenceRead" + big)))])
    if len(builds) > 1:
        info.append([f"ReadPointFile{big} / reference reader under Wine, in turns",
                     num(counter(builds[1][1].get("PairedRead" + big), "ratio"), 2)])
        info += heap_floor(native, builds[1][1], big)
    table("For comparison (no target)", ["figure", "ratio"], info)
    return missed


def main(paths):
    builds = []
    for path in paths:
        context, runs = load(path)
        label = "Wine" if context.get("velor_build") == "windows" else "native"
        builds.append((label, runs))
        load_avg = " ".join(f"{x:.2f}" for x in context.get("load_avg", []))
        load_avg = f", load average at start {load_avg}" if load_avg else ""
        print(f"{label}: {path}; {context.get('num_cpus', '?')} CPUs at {context.get('mhz_per_cpu', '?')} MHz"
              f"{load_avg}")
        for failure in failures(runs):
            print(f"  FAILED {failure}")
    builds.sort(key=lambda b: b[0] != "native")  # the native build first: ratios are Wine over native
    missed = targets(builds) if builds[0][0] == "native" else 0
    decode_line(builds)
    read_point_file(builds)
    format_text(builds)
    compute(builds)
    case_table(builds)
    growth(builds)
    return 3 if missed else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1:]))
