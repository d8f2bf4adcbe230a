#!/usr/bin/env python3
"""Cross-checks the built-in unit table against GNU units.

Reads every row of src/units/BuiltinUnitTable.cpp and the GNU units expression
for it from tools/unit-expressions.tsv, asks `units` for the size of that
expression in the category's base unit, and reports each coefficient that
differs from it beyond the sixth significant digit.

Expression column of the data file:
  <expression>   a definition GNU units holds (the independent check);
  ~<expression>  a value we chose for a unit without one usual definition,
                 written in GNU units terms (checks our arithmetic only);
  -              no GNU units counterpart (the note says why).
Inverted rows map to the reciprocal quantity, which has the base unit's
dimension. A fourth column, where present, is an offset expression, converted
to the offset target given on the category's @base line.

Exit status: 0 when everything agrees, 1 on a disagreement, 2 on a data error.
Install the checker with `apt-get install units`.
"""

import argparse
import concurrent.futures
import math
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
TABLE = ROOT / "src" / "units" / "BuiltinUnitTable.cpp"
DATA = ROOT / "tools" / "unit-expressions.tsv"

STRING = r'L"((?:[^"\\]|\\.)*)"'
ROW = re.compile(
    r"\{\s*" + STRING + r",\s*" + STRING + r",\s*" + STRING +
    r",\s*([-+0-9.eE]+),\s*([-+0-9.eE]+),\s*([01])\s*\}")


def unescape(text):
    return re.sub(r'\\(u[0-9a-fA-F]{4}|.)',
                  lambda m: chr(int(m.group(1)[1:], 16))
                  if m.group(1)[0] == "u" and len(m.group(1)) == 5 else m.group(1),
                  text)


def read_table(path):
    rows = []
    for m in ROW.finditer(path.read_text(encoding="utf-8")):
        rows.append(dict(category=unescape(m.group(1)), name=unescape(m.group(2)),
                         coefficient=float(m.group(4)), offset=float(m.group(5)),
                         inverted=m.group(6) == "1"))
    return rows


def read_data(path):
    bases, exprs = {}, {}
    for number, line in enumerate(path.read_text(encoding="utf-8").split("\n"), 1):
        if not line.strip() or line.startswith("#"):
            continue
        cols = line.split("\t")
        if cols[0] == "@base":
            bases[cols[1]] = (cols[2], cols[3] if len(cols) > 3 else None)
            continue
        if len(cols) < 3:
            sys.exit(f"{path.name}:{number}: expected category, unit and expression")
        key = (cols[0], cols[1])
        if key in exprs:
            sys.exit(f"{path.name}:{number}: {key} mapped twice")
        exprs[key] = (cols[2], cols[3] if len(cols) > 3 and cols[3] else None)
    return bases, exprs


def ask_units(have, want):
    run = subprocess.run(["units", "--terse", "--digits", "15", have, want],
                         capture_output=True, text=True)
    text = run.stdout.strip()
    try:
        return float(text), None
    except ValueError:
        return None, (text or run.stderr.strip()).splitlines()[0]


def agrees(value, reference):
    if reference == 0:
        return value == 0
    # Half a unit in the sixth significant digit of the reference.
    step = 10.0 ** (math.floor(math.log10(abs(reference))) - 5)
    return abs(value - reference) <= 0.5 * step * (1 + 1e-9)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-v", "--verbose", action="store_true",
                        help="also list the unmappable units")
    args = parser.parse_args()

    rows = read_table(TABLE)
    bases, exprs = read_data(DATA)
    problems = [f"no expression for {r['category']!r} {r['name']!r}"
                for r in rows if (r["category"], r["name"]) not in exprs]
    keys = {(r["category"], r["name"]) for r in rows}
    problems += [f"expression for unknown unit {k!r}" for k in exprs if k not in keys]
    if problems:
        print("\n".join(problems))
        return 2

    jobs = []
    for r in rows:
        expr, offset = exprs[(r["category"], r["name"])]
        if expr == "-":
            continue
        base = bases.get(r["category"])
        if base is None:
            print(f"no @base line for {r['category']!r}")
            return 2
        jobs.append((r, expr.lstrip("~"), base[0], "chosen" if expr[0] == "~" else "defined"))
        if offset:
            jobs.append((dict(r, coefficient=r["offset"], name=r["name"] + " (offset)"),
                         offset, base[1], "offset"))

    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        answers = list(pool.map(lambda job: ask_units(job[1], job[2]), jobs))

    counts = {"defined": 0, "chosen": 0, "offset": 0}
    bad = []
    for (row, expr, base, kind), (reference, error) in zip(jobs, answers):
        label = f"{row['category']} | {row['name']!r}"
        if error is not None:
            bad.append(f"{label}: units cannot convert {expr!r} to {base!r}: {error}")
            continue
        counts[kind] += 1
        if not agrees(row["coefficient"], reference):
            bad.append(f"{label}: table {row['coefficient']:.9g}, units {reference:.9g} ({expr})")

    unmappable = [r for r in rows if exprs[(r["category"], r["name"])][0] == "-"]
    for line in bad:
        print("DIFFERS  " + line)
    if args.verbose:
        for r in unmappable:
            print(f"UNMAPPED {r['category']} | {r['name']!r}")
    print(f"{len(rows)} units: {counts['defined']} checked against GNU units definitions, "
          f"{counts['chosen']} against our stated choices, {counts['offset']} offsets; "
          f"{len(bad)} disagreeing, {len(unmappable)} unmappable")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
