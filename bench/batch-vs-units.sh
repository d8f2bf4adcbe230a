#!/usr/bin/env bash
# Lines per second of processor time for `vantrel-convert --batch`, for GNU
# units (`units -q -t`, which takes each conversion as two lines) on the same
# conversions, and for a `cat` of vantrel's input, as whole processes fed on
# standard input, alternating runs so that all see the same machine load.
# Prints each run, the medians, the ratio of GNU units' processor time per
# conversion to vantrel's, and vantrel's peak memory (GNU time); first checks
# that the two agree to eight significant digits on the first 10000
# conversions.
#
# GNU units takes about 12 us a conversion, so it gets the first UNITS_LINES
# conversions only (default 200000); vantrel and cat get all of them.
#
# Usage: bench/batch-vs-units.sh [vantrel-convert] [runs] [lines] [units lines]
# (defaults: build/src/cli/vantrel-convert, 5 runs, 10000000 lines, 200000)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
convert="${1:-$here/../build/src/cli/vantrel-convert}"
runs="${2:-5}"
lines="${3:-10000000}"
units_lines="${4:-200000}"
((units_lines <= lines)) || units_lines=$lines
command -v units >/dev/null || { echo "GNU units is not installed (apt-get install units)" >&2; exit 2; }
[[ -x /usr/bin/time ]] || { echo "GNU time is not installed (apt-get install time)" >&2; exit 2; }
[[ -x "$convert" ]] || { echo "no vantrel-convert at $convert" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A private configuration folder: no user settings file is read.
export XDG_CONFIG_HOME="$work/config"

# Pairs both programs know: vantrel's names, then GNU units' names; the
# values run through 997 integers and ten decimals.
awk -v lines="$lines" -v units_lines="$units_lines" -v dir="$work" 'BEGIN {
  n = split("foot|centimeter|ft|cm;pound|kilogram|lb|kg;mile|kilometer|mile|km;" \
            "gallon|liter|gallon|liter;inch|millimeter|inch|mm;hour|second|hour|s;" \
            "atmosphere|pascal|atm|Pa;kilowatt|horsepower|kW|hp;" \
            "calorie (IT)|joule|calorie_IT|J;acre|hectare|acre|hectare", pairs, ";")
  for (i = 0; i < lines; i++) {
    split(pairs[i % n + 1], p, "|")
    value = (i % 997 + 1) "." (i % 10)
    printf "%s\t%s\t%s\n", value, p[1], p[2] > (dir "/vantrel.in")
    if (i < units_lines) printf "%s %s\n%s\n", value, p[3], p[4] > (dir "/units.in")
  }
}'

# Both answers rounded to eight significant digits must be the same number.
sample=$((units_lines < 10000 ? units_lines : 10000))
head -n "$sample" "$work/vantrel.in" | "$convert" --batch >"$work/vantrel.out"
head -n $((2 * sample)) "$work/units.in" | units -q -t >"$work/units.out"
paste "$work/vantrel.out" "$work/units.out" | awk -F'\t' -v sample="$sample" '
  { a = sprintf("%.8g", $1 + 0); b = sprintf("%.8g", $2 + 0)
    if (a != b) { bad++; if (bad <= 5) print "disagree on line " NR ": " $1 " vs " $2 } }
  END { if (NR != sample) { print "expected " sample " answers, got " NR; exit 1 }
        if (bad) { print bad " answers disagree"; exit 1 } }' >&2
echo "vantrel-convert and GNU units agree to eight significant digits on $sample conversions"

# The user + system seconds of one run, to the millisecond.
measure() {
  local input="$1" TIMEFORMAT='%3U %3S'
  shift
  { time "$@" <"$input" >/dev/null; } 2>"$work/time"
  awk '{ printf "%.3f\n", $1 + $2 }' "$work/time"
}
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
: >"$work/v" && : >"$work/u" && : >"$work/c"
for ((r = 1; r <= runs; r++)); do
  v=$(measure "$work/vantrel.in" "$convert" --batch) && echo "$v" >>"$work/v"
  u=$(measure "$work/units.in" units -q -t) && echo "$u" >>"$work/u"
  c=$(measure "$work/vantrel.in" cat) && echo "$c" >>"$work/c"
  echo "run $r: vantrel-convert $v s, units $u s, cat $c s"
done
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

# vantrel's peak resident memory over a whole run.
/usr/bin/time -f '%M' -o "$work/memory" "$convert" --batch <"$work/vantrel.in" >/dev/null

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
awk -v v="$(median "$work/v")" -v vm="$(cat "$work/memory")" \
  -v u="$(median "$work/u")" -v c="$(median "$work/c")" -v n="$lines" -v un="$units_lines" \
  -v runs="$runs" -v before="$load_before" -v after="$load_after" -v cores="$(nproc)" 'BEGIN {
  printf "medians of %d alternating runs (processor time, user + system); load %s before, %s after, %d cores\n", runs, before, after, cores
  printf "vantrel-convert --batch  %9d lines  %7.3f s  %12.0f lines/s  peak memory %d kB\n", n, v, (v > 0 ? n / v : 0), vm
  printf "units -q -t              %9d lines  %7.3f s  %12.0f lines/s\n", un, u, (u > 0 ? un / u : 0)
  printf "cat                      %9d lines  %7.3f s  %12.0f lines/s\n", n, c, (c > 0 ? n / c : 0)
  if (v > 0 && un > 0) printf "GNU units uses %.1f times the processor time per conversion\n", (u / un) / (v / n)
}'
