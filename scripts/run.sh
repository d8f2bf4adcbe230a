#!/usr/bin/env bash
# Builds the converter and starts its window.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/build.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "run.sh: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set)," >&2
  echo "so the converter window cannot open here. On a desktop, run this again there;" >&2
  echo "without one, 'xvfb-run -a build/src/app/vantrel' runs it on a virtual display," >&2
  echo "scripts/screenshot.sh takes a picture of it, and build/src/cli/vantrel-convert" >&2
  echo "converts on the command line." >&2
  exit 1
fi
exec build/src/app/vantrel
