#!/usr/bin/env bash
# Draws the vault properties dialog's pictures with ImageMagick. Run from this
# folder after changing a picture; the PNGs are committed, this script is not
# part of the build.
set -euo pipefail
font=DejaVu-Sans-Bold
strip=(-depth 8 -strip -define png:exclude-chunks=date,time)

# Information: a blue disc with a white "i".
convert -size 16x16 xc:none \
    -fill "#2f6fd6" -stroke "#1d4f9e" -draw "circle 7.5,7.5 7.5,0.5" \
    -fill white -stroke none -font "$font" -pointsize 11 -gravity center -annotate +0+0 "i" \
    "${strip[@]}" info_16.png

# Wrench: a grey handle with an open jaw at its top right.
convert -size 16x16 xc:none \
    -stroke "#5b6168" -strokewidth 3 -draw "line 2,14 9,7" \
    -fill "#8a9098" -stroke "#4a5058" -strokewidth 1 -draw "circle 10.5,5.5 10.5,1" \
    -alpha set -region 3x4+11+1 -alpha transparent +region \
    "${strip[@]}" wrench_16.png

# Plus and minus: green and red signs.
convert -size 16x16 xc:none -fill "#2e8b3a" -stroke none \
    -draw "rectangle 2,7 13,9" -draw "rectangle 7,2 9,13" "${strip[@]}" plus_16.png
convert -size 16x16 xc:none -fill "#c0392b" -stroke none \
    -draw "rectangle 2,7 13,9" "${strip[@]}" minus_16.png
