#!/usr/bin/env bash
# Times `vantrel-convert --batch` against GNU units (`units -q -t`) on the same
# 10,000 conversions, both fed on standard input as whole processes,
# alternating runs so that both see the same machine load. Prints each run's
# wall time, the medians and their ratio, and first checks that the answers
# agree to eight significant digits on every line.
#
# Usage: bench/batch-vs-units.sh [path/to/vantrel-convert] [runs]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
convert="${1:-$here/../build/src/cli/vantrel-convert}"
runs="${2:-7}"
command -v units >/dev/null || { echo "GNU units is not installed (apt-get install units)" >&2; exit 2; }
[[ -x "$convert" ]] || { echo "no vantrel-convert at $convert" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A private configuration folder: no user settings file is read.
export XDG_CONFIG_HOME="$work/config"

# Pairs both programs know: vantrel name, vantrel name, units name, units name.
pairs=(
  "foot|centimeter|ft|cm"
  "pound|kilogram|lb|kg"
  "mile|kilometer|mile|km"
  "gallon|liter|gallon|liter"
  "inch|millimeter|inch|mm"
  "hour|second|hour|s"
  "atmosphere|pascal|atm|Pa"
  "kilowatt|horsepower|kW|hp"
  "calorie (IT)|joule|calorie_IT|J"
  "acre|hectare|acre|hectare"
)
: >"$work/vantrel.in"
: >"$work/units.in"
for ((i = 0; i < 10000; i++)); do
  IFS='|' read -r vf vt uf ut <<<"${pairs[i % ${#pairs[@]}]}"
  value="$((i % 997 + 1)).$((i % 10))"
  printf '%s\t%s\t%s\n' "$value" "$vf" "$vt" >>"$work/vantrel.in"
  printf '%s %s\n%s\n' "$value" "$uf" "$ut" >>"$work/units.in"
done

"$convert" --batch <"$work/vantrel.in" >"$work/vantrel.out"
units -q -t <"$work/units.in" >"$work/units.out"
# Both answers rounded to eight significant digits must be the same number.
paste "$work/vantrel.out" "$work/units.out" | awk -F'\t' '
  { a = sprintf("%.8g", $1 + 0); b = sprintf("%.8g", $2 + 0)
    if (a != b) { bad++; if (bad <= 5) print "disagree on line " NR ": " $1 " vs " $2 } }
  END { if (NR != 10000) { print "expected 10000 answers, got " NR; exit 1 }
        if (bad) { print bad " answers disagree"; exit 1 } }' >&2

# Microseconds from the shell itself (EPOCHREALTIME): starting `date` for
# each reading would be timed too.
vantrel_times=()
units_times=()
for ((r = 1; r <= runs; r++)); do
  t0="${EPOCHREALTIME/[.,]/}"
  "$convert" --batch <"$work/vantrel.in" >/dev/null
  t1="${EPOCHREALTIME/[.,]/}"
  units -q -t <"$work/units.in" >/dev/null
  t2="${EPOCHREALTIME/[.,]/}"
  vantrel_times+=($((t1 - t0)))
  units_times+=($((t2 - t1)))
  echo "run $r: vantrel-convert ${vantrel_times[-1]} us, units ${units_times[-1]} us"
done

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
mv=$(median "${vantrel_times[@]}")
mu=$(median "${units_times[@]}")
echo "median over $runs runs of 10000 conversions: vantrel-convert --batch $mv us, units -q -t $mu us"
awk -v a="$mv" -v b="$mu" 'BEGIN { printf "vantrel-convert is %.1f times faster\n", b / a }'
