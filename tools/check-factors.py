#!/usr/bin/env python3
"""Checks every coefficient of the built-in unit table against GNU units.

Reads each unit as `vantrel-convert --info` shows it (coefficient, offset and
provenance, from the same table rows the converter is built from), asks GNU
units for the size of the unit's expression in tools/unit-expressions.tsv in
its category's base unit, and reports every coefficient that differs by more
than a relative 1e-12.

Expression column of the data file, by the row's provenance:
  <expression>    GNU units' own definition (any provenance);
  =<expression>   an exact or derived unit GNU units has no unit for, its
                  definition spelled out in GNU units' terms;
  !<expression>   an exact or derived unit GNU units defines otherwise, its
                  definition spelled out; a fifth column says why they differ;
  ~<expression>   a chosen value, spelled out in GNU units' terms (checks our
                  arithmetic only);
  -               no coefficient: the number bases.
Inverted rows map to the reciprocal quantity, which has the base unit's
dimension. A fourth column, where present, is an offset expression, converted
to the offset target given on the category's @base line.

Exit status: 0 when everything agrees, 1 on a disagreement, 2 on a data or
program error. Needs GNU units (`apt-get install units`).
"""

import argparse
import concurrent.futures
import os
import pathlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "tools" / "unit-expressions.tsv"
PROGRAM = ROOT / "build" / "src" / "cli" / "vantrel-convert"
TOLERANCE = 1e-12
# The marks each provenance allows.
ALLOWED = {"exact": "=!", "derived": "=!", "chosen": "~", "none": "-"}


def read_data(path):
    bases, rows = {}, {}
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
        if key in rows:
            sys.exit(f"{path.name}:{number}: {key} mapped twice")
        mark = cols[2][0] if cols[2][0] in "=!~-" else ""
        rows[key] = dict(mark=mark, expr=cols[2][len(mark):],
                         offset=cols[3] if len(cols) > 3 and cols[3] else None,
                         reason=cols[4] if len(cols) > 4 else "", line=number)
    return bases, rows


def run_program(program, *args):
    run = subprocess.run([str(program), *args], capture_output=True, text=True,
                         encoding="utf-8")
    if run.returncode != 0:
        raise RuntimeError(f"vantrel-convert {' '.join(args)}: {run.stderr.strip()}")
    return run.stdout


def read_table(program):
    """Every built-in unit as --info shows it."""
    keys = []
    for line in run_program(program, "--list").split("\n"):
        if line:
            cols = line.split("\t")
            keys.append((cols[0], cols[1]))

    def info(key):
        fields = dict(line.split("\t", 1)
                      for line in run_program(program, "--info", key[1], "--category", key[0])
                      .split("\n") if line)
        return dict(category=key[0], name=key[1], provenance=fields["provenance"],
                    coefficient=float(fields["coefficient"]), offset=float(fields["offset"]))

    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        return list(pool.map(info, keys))


def ask_units(queries):
    """The size of each (have, want) pair, or the error GNU units gave."""
    # One process for all: "have / want" against an empty want prints one
    # line, the number or an error; a second try one by one copes with
    # errors that take more lines.
    text = "".join(f"({have}) / ({want})\n\n" for have, want in queries)
    run = subprocess.run(["units", "--terse", "--quiet", "--digits", "15"], input=text,
                         capture_output=True, text=True)
    lines = run.stdout.rstrip("\n").split("\n") if queries else []
    if len(lines) != len(queries):
        lines = [subprocess.run(["units", "--terse", "--digits", "15", have, want],
                                capture_output=True, text=True).stdout.strip() or "no answer"
                 for have, want in queries]
    answers = []
    for line in lines:
        try:
            answers.append((float(line), None))
        except ValueError:
            answers.append((None, line.splitlines()[0] if line else "no answer"))
    return answers


def ask_offset(have, want):
    run = subprocess.run(["units", "--terse", "--digits", "15", have, want],
                         capture_output=True, text=True)
    try:
        return float(run.stdout.strip()), None
    except ValueError:
        return None, (run.stdout.strip() or run.stderr.strip() or "no answer").splitlines()[0]


def agrees(value, reference):
    if reference == 0:
        return value == 0
    return abs(value - reference) <= TOLERANCE * abs(reference)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=str(PROGRAM), help="the vantrel-convert to ask")
    parser.add_argument("-v", "--verbose", action="store_true",
                        help="also list the units GNU units has no unit for")
    args = parser.parse_args()

    # A private configuration folder: no user's custom units are read.
    with tempfile.TemporaryDirectory() as config:
        os.environ["XDG_CONFIG_HOME"] = config
        try:
            table = read_table(args.program)
        except (OSError, RuntimeError) as error:
            print(error)
            return 2
    bases, data = read_data(DATA)

    problems = [f"no expression for {(r['category'], r['name'])!r}"
                for r in table if (r["category"], r["name"]) not in data]
    keys = {(r["category"], r["name"]) for r in table}
    problems += [f"expression for unknown unit {key!r}" for key in data if key not in keys]
    for r in table:
        row = data.get((r["category"], r["name"]))
        if row is None:
            continue
        if row["mark"] and row["mark"] not in ALLOWED.get(r["provenance"], ""):
            problems.append(f"line {row['line']}: '{row['mark']}' on a unit of provenance "
                            f"{r['provenance']}")
        if r["provenance"] == "none" and row["mark"] != "-":
            problems.append(f"line {row['line']}: a unit without coefficient needs '-'")
        if (row["mark"] == "!") != bool(row["reason"]):
            problems.append(f"line {row['line']}: '!' and a reason go together")
        if r["category"] not in bases:
            problems.append(f"no @base line for {r['category']!r}")
    if problems:
        print("\n".join(sorted(set(problems))))
        return 2

    checked = [r for r in table if data[(r["category"], r["name"])]["mark"] != "-"]
    answers = ask_units([(data[(r["category"], r["name"])]["expr"], bases[r["category"]][0])
                         for r in checked])
    offsets = [r for r in checked if data[(r["category"], r["name"])]["offset"]]
    offset_answers = [ask_offset(data[(r["category"], r["name"])]["offset"],
                                 bases[r["category"]][1]) for r in offsets]

    counts = {mark: 0 for mark in ["", "=", "!", "~"]}
    bad = []
    jobs = [(r, "coefficient", answer) for r, answer in zip(checked, answers)]
    jobs += [(r, "offset", answer) for r, answer in zip(offsets, offset_answers)]
    for r, field, (reference, error) in jobs:
        row = data[(r["category"], r["name"])]
        expr = row["offset"] if field == "offset" else row["expr"]
        label = f"{r['category']} | {r['name']!r} {field}"
        if error is not None:
            bad.append(f"{label}: units cannot convert {expr!r}: {error}")
            continue
        if field == "coefficient":
            counts[row["mark"]] += 1
        if not agrees(r[field], reference):
            bad.append(f"{label}: table {r[field]!r}, units {reference!r} ({expr})")

    for line in bad:
        print("DIFFERS  " + line)
    for r in checked:
        row = data[(r["category"], r["name"])]
        if row["mark"] == "!":
            print(f"GNU UNITS DIFFERS  {r['category']} | {r['name']!r}: {row['reason']}")
        elif row["mark"] == "=" and args.verbose:
            print(f"NOT IN GNU UNITS  {r['category']} | {r['name']!r}: {row['expr']}")
    print(f"{len(table)} units: {counts['']} agree with GNU units' definitions, "
          f"{counts['=']} with our definitions of units GNU units lacks, "
          f"{counts['!']} with our definitions where GNU units differs, "
          f"{counts['~']} with our chosen values, {len(offsets)} offsets, to {TOLERANCE:g}; "
          f"{len(bad)} disagreeing, {len(table) - len(checked)} without a coefficient")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
