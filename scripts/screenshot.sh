#!/usr/bin/env bash
# Starts the converter window on a virtual display and saves a picture of it;
# with --dialog, then presses KEYS in it and saves a picture of the dialog
# that opens. Needs xvfb, xauth, xdotool and imagemagick
# (scripts/install-deps.sh screenshots).
#   screenshot.sh [OUT.png] [--dialog KEYS DIALOG.png]
# OUT defaults to vantrel.png; KEYS are xdotool key names separated by
# blanks, e.g. "ctrl+f" or "alt+h Down Return".
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out=vantrel.png
keys=
dialog_out=
while [[ $# -gt 0 ]]; do
  case "$1" in
    --dialog)
      [[ $# -ge 3 ]] || { echo "screenshot.sh: --dialog needs KEYS and a file name" >&2; exit 2; }
      keys="$2"
      dialog_out="$(realpath -m "$3")"
      shift 3 ;;
    *) out="$1"; shift ;;
  esac
done
out="$(realpath -m "$out")"
exec xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  set -u
  build/src/app/vantrel & pid=$!
  trap "kill $pid 2>/dev/null" EXIT
  window="$(xdotool search --sync --name "^Vantrel Unit Converter$" | head -1)"
  sleep 1
  import -window "$window" "$1"
  [[ -n "$2" ]] || exit 0
  xdotool windowfocus --sync "$window"
  xdotool key --delay 200 $2
  # The dialog is the first other window of the program that shows.
  for _ in $(seq 50); do
    dialog="$(xdotool search --onlyvisible --pid "$pid" --name . | grep -vx "$window" | head -1 || true)"
    [[ -n "$dialog" ]] && break
    sleep 0.2
  done
  if [[ -z "$dialog" ]]; then
    echo "screenshot.sh: no dialog opened after the keys $2" >&2
    exit 1
  fi
  sleep 1
  import -window "$dialog" "$3"' screenshot "$out" "$keys" "$dialog_out"
