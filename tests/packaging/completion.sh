#!/usr/bin/env bash
# Loads the bash completion of vantrel-convert and checks the candidates it
# offers for partial command lines, with names taken from the real program.
#   completion.sh CONVERT COMPLETION_FILE
set -u
convert="$1"
# Private settings beside the program (elsewhere the settings would be looked
# for at that file system's root).
config="$(mktemp -d "$(dirname "$convert")/config.XXXXXX")"
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config" LC_ALL=C.UTF-8
source "$2"
failures=0

# WANT (the candidates, one a line) for the words after the program, the last
# one being completed, split as the shell splits them.
check() {
  local want="$1" got
  shift
  COMP_WORDS=("$convert" "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _vantrel_convert
  got="$(printf '%s\n' "${COMPREPLY[@]}" | sort)"
  if [[ "$got" != "$want" ]]; then
    printf 'vantrel-convert %s<TAB>: expected\n%s\ngot\n%s\n' "$*" "$want" "$got" >&2
    failures=$((failures + 1))
  fi
}

nl=$'\n'
check "--categories${nl}--category" --cat
check "--diagnostics" --eval --d
check "--ellipsoid${nl}--exact${nl}--method${nl}--south" --latlong 0 500000 5 -
check "--ellipsoid${nl}--exact${nl}--method${nl}--zone" --utm "'33.7, -84.9'" --
check "--mgrs" --mg
check "--precision" --mgrs 33.7 -84.9 -
# --precision's range is the command's: digits per axis for --mgrs.
check "0${nl}1${nl}2${nl}3${nl}4${nl}5" --mgrs 33.7 -84.9 --precision ''
check "$(printf '%s\n' 0 1 2 3 4 5 6 7 8)" 1 m cm --precision ''
check "exact" --utm 1 2 --method = e
check "" --utm 1 2 --zone ''
check "scientific" --format = sc
# zsh keeps "--category=..." one word.
check '--category=Fuel\ Consumption' '--category=Fuel\ C'
check 'Fuel\ Consumption' --category Fuel\\\ C
check 'Fuel Consumption' --category '"Fuel C'
check "Angle${nl}Angle\\ \\(Solid\\)" --list Angl
check 'degree\ Celsius' 100 degree\\\ Ce
check 'base-16\ \(hexadecimal\)' ff 'base-16\ \(h'
check "Clarke 1866" --utm 1 2 --ellipsoid "'Clarke 18"
# TO comes from FROM's category: kilometer/liter is no distance.
check "kilometer" 100 mile kilom
check "km/h${nl}km/h·s" 100 "'km/h"
check "" 100
exit $((failures > 0))
