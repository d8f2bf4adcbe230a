#!/usr/bin/env bash
# Runs the real vantrel-convert as a user would, with a private configuration
# folder, and checks its output and that it created nothing there.
set -u
convert="$1"
# Beside the program: on another file system the settings would be looked
# for at that file system's root instead.
config="$(mktemp -d "$(dirname "$convert")/config.XXXXXX")"
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"
failures=0

expect() {
  local want="$1"
  shift
  local got
  got="$("$convert" "$@")"
  if [[ "$got" != "$want" ]]; then
    echo "vantrel-convert $*: expected '$want', got '$got'" >&2
    failures=$((failures + 1))
  fi
}

expect 212 100 "degree Celsius" "degree Fahrenheit"
expect 212.00000000 100 "degree Celsius" "degree Fahrenheit" --format fixed --precision 8
expect 1e+024 1 yotta unity
expect 20 5 "liter/100-kilometer" "kilometer/liter"
expect ffffffff -1 "base-10 (decimal)" "base-16 (hexadecimal)"
expect 255 ff "base-16 (hexadecimal)" "base-10 (decimal)"

# Exact factors: the four examples a new user tries first.
expect 160.9344 100 mile km
expect 1048576 1 megabyte byte
expect 0.78539816 45 degree radian
expect 0.45359237 1 pound kilogram

# Fails with the exit code and the one line on standard error.
fails() {
  local code="$1" message="$2"
  shift 2
  local out err status
  out="$("$convert" "$@" 2>"$config/err")"
  status=$?
  err="$(cat "$config/err")"
  rm -f "$config/err"
  if [[ $status -ne $code || -n "$out" || "$err" != "vantrel-convert: $message" ]]; then
    echo "vantrel-convert $*: expected exit $code and '$message', got $status, '$out', '$err'" >&2
    failures=$((failures + 1))
  fi
}

# --info: one key<TAB>value line each; aliases and --category pick the unit.
expect $'category\tDistance\nname\tfoot\nabbreviation\tft\ncoefficient\t30.48\noffset\t0\ninverted\t0\nprovenance\texact\nsource\tinternational yard and pound (1959): 1 yd = 0.9144 m, 1 lb = 0.45359237 kg' \
  --info feet
expect $'category\tTemperature\nname\tdegree Fahrenheit\nabbreviation\t°F\ncoefficient\t0.55555555555555558\noffset\t-17.777777777777001\ninverted\t0\nprovenance\texact\nsource\tdegree Fahrenheit: 5/9 kelvin' \
  --info degF
provenance() { "$convert" --info "$@" | awk -F'\t' '$1 == "provenance" { print $2 }'; }
for pair in "derived|light year" "chosen|CD-ROM 1X" "none|base-07" "exact|second|Time"; do
  IFS='|' read -r want unit category <<<"$pair"
  got="$(provenance "$unit" ${category:+--category "$category"})"
  [[ "$got" == "$want" ]] || { echo "--info $unit: provenance '$got'" >&2; failures=$((failures + 1)); }
done
fails 1 "units found in more than one category, choose one with --category: 'Angle', 'Time'" \
  --info second
fails 1 "unknown unit 'frobnicate'" --info frobnicate
fails 1 "'gr' stands for several units of 'Angle': 'gon', 'grade'" --info gr --category Angle
fails 1 "units found in more than one category, choose one with --category: 'Distance', 'Mass', 'Volume'" \
  --info ounces
fails 2 "--info takes one UNIT" --info
fails 2 "--info takes one UNIT" --info foot inch

# --all: every unit of the category in the table's order, in the result format.
expect $'degree Celsius\t100.00\ndegree Fahrenheit\t212.00\nKelvin\t373.15\ndegree Rankine\t671.67\ndegree Reaumur\t80.00' \
  100 degC --all --format fixed --precision 2
got="$("$convert" 1 foot --all)"
[[ "$(wc -l <<<"$got")" == 100 && "$(head -1 <<<"$got")" == $'agate line\t168' &&
  "$(tail -1 <<<"$got")" == $'yard\t0.33333333' && "$got" == *$'\ninch\t12\n'* ]] || {
  echo "1 foot --all printed: $(head -3 <<<"$got")" >&2
  failures=$((failures + 1))
}
fails 1 "wrong symbol" abc foot --all
fails 1 "unknown unit 'frob'; close names: 'foot'" 1 frob --all
fails 2 "expected VALUE FROM --all" 1 foot inch --all
fails 2 "choose only one of --batch, --list, --categories, --info and --all" 1 foot --all --list

# A stored custom unit and result format are read from the user's file.
mkdir -p "$config/Mensura"
printf '[Settings]\nFormat=1\nPrecision=2\n[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\n' \
  >"$config/Mensura/Mensura.ini"
expect 1.70e+002 1 smoot centimeter
[[ "$(provenance smoot)" == custom ]] || { echo "smoot is not custom" >&2; failures=$((failures + 1)); }
before="$(cksum <"$config/Mensura/Mensura.ini")"
printf '1\tsmoot\tcm\n2\tsmoot\tcm\n' | "$convert" --batch >/dev/null
[[ "$(cksum <"$config/Mensura/Mensura.ini")" == "$before" ]] || {
  echo "the settings file changed" >&2
  failures=$((failures + 1))
}
rm -rf "$config/Mensura"

"$convert" 1 foot >/dev/null 2>&1
[[ $? -eq 2 ]] || { echo "usage error did not exit 2" >&2; failures=$((failures + 1)); }
"$convert" 1 foot gram >/dev/null 2>&1
[[ $? -eq 1 ]] || { echo "conversion error did not exit 1" >&2; failures=$((failures + 1)); }

# Expressions: a value is evaluated; an erroneous one is one line on standard
# error and nothing else, and a help keyword in a batch is no value but keeps
# the batch's format (the help text goes nowhere).
expect 33 "2+3/4" foot inch
err="$("$convert" "2)+(3" foot inch 2>&1 >/dev/null)"
[[ "$err" == "vantrel-convert: too much rigth brackets" ]] || {
  echo "an erroneous value wrote: '$err'" >&2
  failures=$((failures + 1))
}
got="$(printf '1\tfoot\tinch\nhelp\tfoot\tinch\n1/0\tfoot\tinch\n' | "$convert" --batch 2>/dev/null)"
[[ "$got" == $'12\nerror: \'help\' is a help keyword, not a value\nerror: divide by 0' ]] || {
  echo "batch with expressions printed: '$got'" >&2
  failures=$((failures + 1))
}

if [[ -n "$(ls -A "$config")" ]]; then
  echo "vantrel-convert created files: $(ls -A "$config")" >&2
  failures=$((failures + 1))
fi
exit $((failures > 0))
