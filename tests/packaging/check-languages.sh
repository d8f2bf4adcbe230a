#!/usr/bin/env bash
# Every language the window speaks (translations/vantrel_LANG.ts) names and
# describes the program in the desktop entry and the software-centre
# metadata too.
#   check-languages.sh TRANSLATIONS-FOLDER DESKTOP-FILE METAINFO
set -u
folder="$1"
desktop="$2"
metainfo="$3"
status=0
for ts in "$folder"/vantrel_*.ts; do
  language="$(basename "$ts" .ts)"
  language="${language#vantrel_}"
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=" "$desktop" ||
      { echo "$desktop: no $key[$language]" >&2; status=1; }
  done
  for element in name summary p li caption; do
    grep -q "<$element xml:lang=\"$language\">" "$metainfo" ||
      { echo "$metainfo: no <$element xml:lang=\"$language\">" >&2; status=1; }
  done
done
exit "$status"
