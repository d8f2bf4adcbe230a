#!/usr/bin/env bash
# Starts the converter window on a virtual display and saves a picture of it
# (default vantrel.png). Needs xvfb, xauth, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out="$(realpath -m "${1:-vantrel.png}")"
exec xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  build/src/app/vantrel & pid=$!
  window="$(xdotool search --sync --name "Vantrel Unit Converter" | head -1)"
  sleep 1
  import -window "$window" "$1"
  kill "$pid"' screenshot "$out"
