#!/usr/bin/env bash
# Builds everything and runs the whole test suite; exits non-zero when a test fails.
# The window's tests run again under other font sets, each chosen by a
# fontconfig file from tests/fonts: whichever faces stand in for the dialogs'
# fonts, every text must fit. The URW and Liberation faces are the system's
# (fonts-urw-base35, fonts-liberation) or, where VANTREL_FONTS_ROOT names a
# folder they were unpacked into (dpkg -x), that folder's. In each language
# of translations/ the layout's tests run again under every set.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/build.sh
ctest --test-dir build --output-on-failure --no-tests=error -j"$(nproc)"

# The tests of whether every text fits its control (tests/ui/CMakeLists.txt).
layout_tests="LayoutTest.*:Placement.*:Fonts/MenuCHTest.*:MySheetTest.PagesInThePreferredFont*"

# Font set, and the face "Arial" must be in it (proof that the set is there).
font_sets=("dejavu:DejaVu Sans" "urw:Nimbus Sans" "urw-liberation:Liberation Sans")
mkdir -p build/fonts
for entry in "${font_sets[@]}"; do
  set_name="${entry%%:*}"
  arial="${entry#*:}"
  conf="$PWD/build/fonts/$set_name.conf"
  sed "s|@FONTS_ROOT@|${VANTREL_FONTS_ROOT:-}|g" "tests/fonts/$set_name.conf.in" >"$conf"
  found="$(FONTCONFIG_FILE="$conf" fc-match -f '%{family[0]}' Arial)"
  if [[ "$found" != "$arial" ]]; then
    echo "font set $set_name: Arial is $found, not $arial: install fonts-urw-base35 and" \
      "fonts-liberation, or name a folder they were unpacked into in VANTREL_FONTS_ROOT" >&2
    exit 1
  fi
  echo "ui tests with the font set $set_name (Arial is $arial)"
  FONTCONFIG_FILE="$conf" build/tests/ui/ui_tests --gtest_brief=1
  for ts in translations/vantrel_*.ts; do
    language="${ts#translations/vantrel_}"
    language="${language%.ts}"
    echo "layout tests in $language with the font set $set_name"
    FONTCONFIG_FILE="$conf" VANTREL_TEST_LANGUAGE="$language" build/tests/ui/ui_tests \
      --gtest_brief=1 --gtest_filter="$layout_tests"
  done
done
