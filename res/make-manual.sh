#!/usr/bin/env bash
# Makes res/doc/manual.pdf from res/doc/manual.html with Qt's PDF writer (a
# small program, doc/PdfFromHtml.cpp, built here against qt6-base-dev) and the
# DejaVu fonts. The PDF is committed, so a build never needs this script; run
# it again after changing the manual.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"${CXX:-g++}" -std=c++20 -O1 -fPIC doc/PdfFromHtml.cpp -o "$work/PdfFromHtml" \
  $(pkg-config --cflags --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$work/PdfFromHtml" doc/manual.html doc/manual.pdf \
  "Vantrel Unit Converter - User Manual"
echo "wrote $(pwd)/doc/manual.pdf"
