#!/usr/bin/env bash
# Draws the options dialog's tab icons with ImageMagick. Run from this folder
# after changing one; the PNGs are committed, this script is not part of the build.
set -euo pipefail
strip=(-depth 8 -strip -define png:exclude-chunks=date,time)

# Timeouts: a clock face.
convert -size 16x16 xc:none \
    -fill white -stroke "#3a5f8f" -strokewidth 1.5 -draw "circle 7.5,7.5 7.5,1" \
    -stroke "#1d2f47" -strokewidth 1.2 -draw "line 7.5,7.5 7.5,3.5" -draw "line 7.5,7.5 10.5,9" \
    "${strip[@]}" date_time_16.png

# Encryption: a padlock.
convert -size 16x16 xc:none \
    -fill none -stroke "#6d7278" -strokewidth 1.6 -draw "roundrectangle 4.5,1.5 11.5,10 3,3" \
    -fill "#d8b341" -stroke "#8a6d1c" -strokewidth 1 -draw "roundrectangle 2.5,7 13.5,14.5 1.5,1.5" \
    -fill "#5a4510" -stroke none -draw "rectangle 7,9.5 9,12.5" \
    "${strip[@]}" lock3_16.png

# Locations: a folder.
convert -size 16x16 xc:none \
    -fill "#e3b341" -stroke "#9c7a1e" -strokewidth 1 \
    -draw "polygon 1.5,3.5 6,3.5 7.5,5 14.5,5 14.5,13.5 1.5,13.5" \
    -fill "#f2cf6b" -draw "rectangle 1.5,6.5 14.5,13.5" \
    "${strip[@]}" folder_16.png
