#!/usr/bin/env bash
# Makes the README's pictures from the built program, with fresh settings:
# docs/screenshots/main-window.png, converting degree Celsius to degree
# Fahrenheit, and docs/screenshots/tool-dialog.png, a tool dialog opened
# through the keyboard.
#   readme-screenshots.sh [KEYS]
# KEYS (xdotool key names separated by blanks) open the dialog: by default
# "alt+f Down Return", the Coordinate Converter through the File menu;
# "ctrl+f" opens Find, "alt+h Down Return" the About box.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
keys="${1:-alt+f Down Return}"
bash scripts/install-deps.sh screenshots
bash scripts/build.sh
convert=build/src/cli/vantrel-convert

# The place of NAME in the sorted list of the lines of standard input, from 0,
# as the window's lists sort (letter case aside).
place() { sort -f | grep -nxF "$1" | cut -d: -f1 | awk '{ print $1 - 1 }'; }

config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
mkdir "$config/Mensura"
{
  echo "[Settings]"
  echo "LastCategory=$("$convert" --categories | awk -F '\t' '$2 == 1 { print $1 }' | place Temperature)"
  echo "LastUnitFrom=$("$convert" --list Temperature | cut -f2 | place "degree Celsius")"
  echo "LastUnitTo=$("$convert" --list Temperature | cut -f2 | place "degree Fahrenheit")"
} >"$config/Mensura/Mensura.ini"
mkdir -p docs/screenshots
XDG_CONFIG_HOME="$config" bash scripts/screenshot.sh docs/screenshots/main-window.png \
  --dialog "$keys" docs/screenshots/tool-dialog.png
echo "made docs/screenshots/main-window.png and docs/screenshots/tool-dialog.png"
