#!/usr/bin/env bash
# Draws the restore wizard's pictures with ImageMagick. Run from this folder
# after changing a picture; the PNGs are committed, this script is not part of the build.
set -euo pipefail
font=DejaVu-Sans-Bold
strip=(-depth 8 -strip -define png:exclude-chunks=date,time)

# Lifebelt: a white ring with four red bands.
convert -size 128x128 xc:none \
    -fill none -stroke "#7a1010" -strokewidth 2 -draw "circle 64,64 64,6" -draw "circle 64,64 64,34" \
    -stroke white -strokewidth 26 -draw "circle 64,64 64,20" \
    -stroke "#d42a2a" -strokewidth 26 \
    -draw "arc 20,20 108,108 -110,-70" -draw "arc 20,20 108,108 -20,20" \
    -draw "arc 20,20 108,108 70,110" -draw "arc 20,20 108,108 160,200" \
    "${strip[@]}" lifebelt_128.png

# Error: a red disc with a white cross.
convert -size 128x128 xc:none \
    -fill "#d42a2a" -stroke "#8e1414" -strokewidth 3 -draw "circle 64,64 64,6" \
    -stroke white -strokewidth 14 -draw "line 42,42 86,86" -draw "line 86,42 42,86" \
    "${strip[@]}" error.png

# Warning: a yellow triangle with an exclamation mark.
convert -size 64x64 xc:none \
    -fill "#f2c12e" -stroke "#9a7400" -strokewidth 2 -draw "polygon 32,4 61,58 3,58" \
    -fill "#222222" -stroke none -font "$font" -pointsize 34 -gravity center -annotate +0+5 "!" \
    "${strip[@]}" warning_64.png
