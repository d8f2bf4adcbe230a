#!/usr/bin/env bash
# Fails when lupdate over the sources would change a translation file: a
# text marked for translation that a file lacks, or one it still holds that
# the sources no longer mark. Usage: LUPDATE FILE.ts... -- LUPDATE-ARGUMENTS...
set -euo pipefail
lupdate="$1"
shift
files=()
while [[ "$1" != "--" ]]; do
  files+=("$1")
  shift
done
shift
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copies=()
for file in "${files[@]}"; do
  cp "$file" "$work/"
  copies+=("$work/$(basename "$file")")
done
"$lupdate" "$@" -ts "${copies[@]}" >/dev/null
status=0
for file in "${files[@]}"; do
  if ! diff -u "$file" "$work/$(basename "$file")"; then
    echo "$file is not up to date with the sources:" \
      "cmake --build build --target update_translations, then translate what it marks unfinished" >&2
    status=1
  fi
done
exit "$status"
