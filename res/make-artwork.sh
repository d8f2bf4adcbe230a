#!/usr/bin/env bash
# Draws the program's artwork with ImageMagick 6 and the DejaVu fonts (Debian
# packages imagemagick and fonts-dejavu-core). The results are committed, so
# a build never needs this script; run it again after changing a picture.
#   GIF 130  250 x 57 banner        GIF 131  32 x 32 invert arrows
#   icons/   application icon 16 ... 256 pixels (128 is resource 128)
#   bitmap/  menu pictures 161-170, 173 (16 x 16) and 174 (17 x 17), 24-bit,
#            magenta RGB(255,0,255) is the transparent key
# Each GIF and bitmap is drawn twice from one drawing: at its size, and at
# twice its size as <name>@2x (every coordinate, line and letter doubled), so
# that it is sharp on a screen of two pixels per point. Shapes that reach an
# edge are drawn one past it, which the picture clips.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
IM="${CONVERT:-/usr/bin/convert}"
BOLD=DejaVu-Sans-Bold
SANS=DejaVu-Sans
KEY='#ff00ff'

# At scale S (1 or 2): a length, and a drawing with its coordinates scaled.
px() { echo $(($1 * S)); }
at() { printf 'scale %d,%d %s' "$S" "$S" "$1"; }
# The file name of a picture at scale S.
named() { if ((S == 1)); then echo "$1.$2"; else echo "$1@2x.$2"; fi; }

# The banner: a deep blue band fading to teal, a ruler along its foot, the name.
banner() {
  "$IM" -size "$(px 250)x$(px 57)" gradient:'#1d3b6e'-'#2a8c8c' -rotate 90 \
    -resize "$(px 250)x$(px 57)!" \
    -fill '#f3c44a' -draw "$(at 'rectangle 0,50 250,57')" \
    -stroke '#1d3b6e' -strokewidth 1 \
    -draw "$(at "$(for x in $(seq 4 10 244); do printf 'line %d,50 %d,53 ' "$x" "$x"; done)")" \
    -draw "$(at "$(for x in $(seq 4 50 244); do printf 'line %d,50 %d,56 ' "$x" "$x"; done)")" \
    -stroke none -fill white -font "$BOLD" -pointsize "$(px 19)" \
    -annotate "+$(px 10)+$(px 24)" 'Vantrel' \
    -fill '#dbe8f5' -font "$SANS" -pointsize "$(px 12)" -annotate "+$(px 11)+$(px 42)" \
    'Unit Converter' \
    -fill '#f3c44a' -draw "$(at 'polygon 186,12 206,12 206,7 218,17 206,27 206,22 186,22')" \
    -fill '#ffffff' -draw "$(at 'polygon 232,31 212,31 212,26 200,36 212,46 212,41 232,41')" \
    -colors 64 "GIF:$(named gif/130 gif)"
}

# The invert icon: two arrows, one each way.
invert() {
  "$IM" -size "$(px 32)x$(px 32)" xc:'#ece9d8' \
    -fill '#2a6cb0' -draw "$(at 'polygon 3,8 19,8 19,3 28,10 19,17 19,12 3,12')" \
    -fill '#c0462b' -draw "$(at 'polygon 28,19 12,19 12,14 3,21 12,28 12,23 28,23')" \
    -fill none -stroke '#8a8678' -draw "$(at 'rectangle 0,0 31,31')" \
    -colors 32 "GIF:$(named gif/131 gif)"
}

for S in 1 2; do
  banner
  invert
done

# The application icon: a rounded tile with the two arrows and a ruler foot.
icon() {
  "$IM" -size 256x256 xc:none \
    -fill '#1d3b6e' -draw 'roundrectangle 8,8 247,247 40,40' \
    -fill '#f3c44a' -draw 'polygon 40,70 150,70 150,36 214,100 150,164 150,130 40,130' \
    -fill '#ffffff' -draw 'polygon 216,150 106,150 106,116 42,180 106,244 106,210 216,210' \
    -resize "$1x$1" -depth 8 "$2"
}
for size in 16 22 24 32 48 64 128 256; do icon "$size" "icons/vantrel-$size.png"; done

# Menu pictures: 24-bit BMP on the magenta key, without antialiasing; "-draw"
# strings (their lines' widths too) are drawn at the scale, and so is the one
# letter.
bitmap() {  # id, size, settings and drawings...
  local id="$1" size="$2"
  shift 2
  local args=()
  while (($#)); do
    case "$1" in
      -draw) args+=(-draw "$(at "$2")"); shift 2 ;;
      -pointsize) args+=("$1" "$(px "$2")"); shift 2 ;;
      -annotate) args+=(-annotate "+$(px "${2%%+*}")+$(px "${2##*+}")" "$3"); shift 3 ;;
      *) args+=("$1"); shift ;;
    esac
  done
  "$IM" -size "$(px "$size")x$(px "$size")" xc:"$KEY" +antialias "${args[@]}" -type TrueColor \
    "BMP3:$(named "bitmap/$id" bmp)"
}
for S in 1 2; do
  bitmap 161 16 -fill '#2a6cb0' -draw 'circle 7,7 7,0' \
    -fill white -draw 'rectangle 6,6 8,12' -draw 'rectangle 6,2 8,4'
  bitmap 162 16 -fill '#5a5a5a' -draw 'rectangle 2,0 13,16' \
    -fill '#c8f0c8' -draw 'rectangle 4,2 11,5' -fill white \
    -draw 'rectangle 4,7 5,8' -draw 'rectangle 7,7 8,8' -draw 'rectangle 10,7 11,8' \
    -draw 'rectangle 4,10 5,11' -draw 'rectangle 7,10 8,11' -draw 'rectangle 10,10 11,13' \
    -draw 'rectangle 4,13 5,14' -draw 'rectangle 7,13 8,14'
  bitmap 163 16 -fill white -stroke '#404040' -draw 'rectangle 1,1 9,11' \
    -draw 'rectangle 6,4 14,14'
  bitmap 164 16 -fill '#8b5a2b' -draw 'rectangle 2,1 9,14' \
    -fill '#c0462b' -draw 'polygon 8,7 11,7 11,4 15,8 11,12 11,9 8,9'
  bitmap 165 16 -fill '#2a6cb0' -draw 'rectangle 2,1 13,14' \
    -fill white -draw 'rectangle 4,1 4,14' -fill '#f3c44a' -font "$BOLD" -pointsize 11 \
    -annotate 6+12 '?'
  bitmap 166 16 -fill '#c0462b' -draw 'circle 5,5 5,1' -draw 'circle 10,5 10,1' \
    -draw 'polygon 1,6 14,6 8,14'
  bitmap 167 16 -fill '#2a6cb0' -draw 'polygon 1,4 10,4 10,1 14,5 10,9 10,6 1,6' \
    -fill '#c0462b' -draw 'polygon 14,11 5,11 5,8 1,12 5,16 5,13 14,13'
  bitmap 168 16 -fill '#606060' -draw 'circle 7,7 7,1' \
    -draw 'rectangle 6,0 8,16' -draw 'rectangle 0,6 16,8' -fill "$KEY" -draw 'circle 7,7 7,5'
  bitmap 169 16 -fill '#f3c44a' -stroke '#806020' -draw 'rectangle 0,4 15,11' \
    -draw 'line 3,4 3,7' -draw 'line 6,4 6,8' -draw 'line 9,4 9,7' -draw 'line 12,4 12,8'
  bitmap 170 16 -fill '#bfe0ff' -stroke '#303030' -strokewidth 2 \
    -draw 'circle 6,6 6,2' -draw 'line 9,9 14,14'
  bitmap 173 16 -fill '#3a8fd0' -stroke '#1d3b6e' -draw 'circle 7,7 7,0' \
    -fill none -draw 'ellipse 7,7 3,7 0,360' -draw 'line 0,7 15,7' -draw 'line 1,4 13,4' \
    -draw 'line 1,11 13,11'
  bitmap 174 17 -fill '#f3c44a' -stroke '#806020' -draw 'rectangle 1,3 11,12' \
    -fill '#ffd870' -draw 'rectangle 5,7 15,16'
done
