#!/usr/bin/env bash
# Draws the About box's picture and the window icons with ImageMagick; the PNGs are committed,
# so this only runs again when the design changes. The 32 px icon's shapes are those of
# packaging/icons/pathnab.svg; the 48 px theme icon is that drawing scaled by 1.5.
#   tools/draw_about_images.sh [OUTPUT_FOLDER]   (default src/about/qt/images)
set -euo pipefail
out=${1:-$(cd "$(dirname "$0")/.." && pwd)/src/about/qt/images}
mkdir -p "$out"

navy='#1f3a5f'
amber='#f2a93b'
paper='#ffffff'

# Scales the coordinates and widths in "$2" by $1/32.
scaled() { awk -v f="$1" '{ for (i = 1; i <= NF; i++) $i = $i * f / 32; print }' RS='[ ,]' ORS=' ' <<<"$2" | sed 's/ $//; s/\([0-9.]*\) \([0-9.]*\)/\1,\2/g'; }

# A sheet of paper with a folded corner, three text lines and an amber arrow leaving it:
# the path being picked up. Drawn at 32 px; the theme's 48 px icon is the same drawing scaled.
draw_icon() {
  local size=$1
  convert -size "${size}x${size}" xc:none \
    -fill "$paper" -stroke "$navy" -strokewidth "$(scaled "$size" 2)" \
    -draw "polygon $(scaled "$size" '4 2 17 2 23 8 23 29 4 29')" \
    -fill '#c9d6e6' -draw "polygon $(scaled "$size" '17 2 17 8 23 8')" \
    -stroke "$navy" -strokewidth "$(scaled "$size" 2)" \
    -draw "line $(scaled "$size" '8 13 18 13')" -draw "line $(scaled "$size" '8 18 15 18')" \
    -draw "line $(scaled "$size" '8 23 13 23')" \
    -fill "$amber" -stroke "$navy" -strokewidth "$(scaled "$size" 1)" \
    -draw "polygon $(scaled "$size" '15 19 24 19 24 15 31 22 24 29 24 25 15 25')" \
    -strip PNG32:"$out/icon-$size.png"
}
draw_icon 32
draw_icon 48

# The same shape drawn pixel for pixel at the small size.
convert -size 16x16 xc:none +antialias \
  -fill "$paper" -stroke "$navy" -strokewidth 1 \
  -draw 'polygon 2,1 8,1 11,4 11,14 2,14' \
  -fill '#c9d6e6' -draw 'polygon 8,1 8,4 11,4' \
  -draw 'line 4,5 7,5' -draw 'line 4,8 8,8' \
  -fill "$amber" -stroke "$navy" \
  -draw 'polygon 5,10 9,10 9,7 14,11 9,15 9,12 5,12' \
  -strip PNG32:"$out/icon-16.png"

# The picture along the box's left edge: a dark blue panel with the sheet and arrow large,
# and a row of path separators below it.
convert -size 164x314 gradient:"#2b5283"-"$navy" \
  -fill '#ffffff18' -stroke none -draw 'circle 82,120 82,30' \
  -fill "$paper" -stroke '#0f2238' -strokewidth 3 \
  -draw 'polygon 38,62 100,62 126,88 126,186 38,186' \
  -fill '#c9d6e6' -draw 'polygon 100,62 100,88 126,88' \
  -stroke "$navy" -strokewidth 5 \
  -draw 'line 54,108 108,108' -draw 'line 54,128 96,128' -draw 'line 54,148 84,148' \
  -fill "$amber" -stroke '#0f2238' -strokewidth 3 \
  -draw 'polygon 76,146 112,146 112,130 146,160 112,190 112,174 76,174' \
  -stroke "$amber" -strokewidth 6 \
  -draw 'line 44,262 58,234' -draw 'line 75,262 89,234' -draw 'line 106,262 120,234' \
  -type TrueColor -strip PNG24:"$out/picture.png"
