#!/usr/bin/env bash
# Makes the README's pictures from the built program, with default settings:
# docs/screenshots/main-window.png and docs/screenshots/tool-dialog.png, a
# tool dialog opened through the keyboard.
#   readme-screenshots.sh [KEYS]
# KEYS (xdotool key names separated by blanks) open the dialog: by default
# "alt+h Down Return", the About dialog through the Help menu; "ctrl+f" opens
# Find.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
keys="${1:-alt+h Down Return}"
bash scripts/install-deps.sh screenshots
bash scripts/build.sh
mkdir -p docs/screenshots
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME="$config" bash scripts/screenshot.sh docs/screenshots/main-window.png \
  --dialog "$keys" docs/screenshots/tool-dialog.png
echo "made docs/screenshots/main-window.png and docs/screenshots/tool-dialog.png"
