#!/usr/bin/env bash
# Fails when a source folder includes a folder above its layer, or when a
# folder of the core includes a Qt header. A folder inside another (ui/kit)
# answers to its own rule as well as to the outer one.
set -uo pipefail
src="$1"
declare -A allowed=(
  [platform]="platform"
  [settings]="platform settings"
  [units]="platform settings expr units"
  [expr]="platform expr"
  [geo]="platform geo"
  [cli]="platform settings units expr geo cli"
  [ui]="platform settings units expr geo ui"
  [ui/kit]="platform ui/kit"
  [app]="platform settings units expr geo ui app"
  [search]="platform settings units expr geo cli search"
)
qt_free="platform settings units expr geo cli"
status=0
for folder in "${!allowed[@]}"; do
  [[ -d "$src/$folder" ]] || continue
  while IFS= read -r line; do
    file="${line%%:*}"
    included="$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$line")"
    admitted=0
    for layer in ${allowed[$folder]}; do
      if [[ "$included" == "$layer"/* ]]; then
        admitted=1
        break
      fi
    done
    if ((!admitted)); then
      echo "layer violation: ${file#"$src"/} includes ${included%/*}/"
      status=1
    fi
  done < <(grep -rnE '^#include "[^/"]+/' "$src/$folder")
  if [[ " $qt_free " == *" $folder "* ]]; then
    if grep -rnE '^#include <Q[A-Za-z]*(/|>)' "$src/$folder"; then
      echo "layer violation: $folder/ includes a Qt header"
      status=1
    fi
  fi
done
exit $status
