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
expect 212.00000002 100 "degree Celsius" "degree Fahrenheit" --format fixed --precision 8
expect 1e+024 1 yotta unity
expect 20 5 "liter/100-kilometer" "kilometer/liter"
expect ffffffff -1 "base-10 (decimal)" "base-16 (hexadecimal)"
expect 255 ff "base-16 (hexadecimal)" "base-10 (decimal)"

# A stored custom unit and result format are read from the user's file.
mkdir -p "$config/Mensura"
printf '[Settings]\nFormat=1\nPrecision=2\n[CustomUnits]\nsmoot=@Distance?val=170.18?i=0\n' \
  >"$config/Mensura/Mensura.ini"
expect 1.70e+002 1 smoot centimeter
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
