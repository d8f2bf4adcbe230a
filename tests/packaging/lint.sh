#!/usr/bin/env bash
# Runs a checker and passes when it exits 0 and prints nothing; skips (status
# 77) when the checker is not installed.
#   lint.sh CHECKER ARG...
set -u
if ! command -v "$1" >/dev/null; then
  echo "$1 is not installed: skipped"
  exit 77
fi
out="$("$@" 2>&1)"
status=$?
if [[ $status -ne 0 || -n "$out" ]]; then
  printf '%s\n' "$out"
  echo "$*: exit status $status" >&2
  exit 1
fi
