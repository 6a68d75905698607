#!/usr/bin/env bash
# Draws the dialogs' pictures with ImageMagick. Run from this folder after
# changing a picture; the PNGs are committed, this script is not part of the build.
set -euo pipefail
font=DejaVu-Sans-Bold
strip=(-depth 8 -strip -define png:exclude-chunks=date,time)

# Strength bar: ten blocks from red through orange and yellow to dark green,
# each lightly shaded from top to bottom.
for k in $(seq 1 10); do
    hue=$(( (k - 1) * 120 / 9 ))
    light=$(( 62 - (k - 1) * 2 ))
    dark=$(( light - 14 ))
    convert -size 28x17 "gradient:hsl(${hue},85%,${light}%)-hsl(${hue},85%,${dark}%)" \
        -fill none -stroke "rgba(255,255,255,0.55)" -draw "line 0,0 27,0" \
        "${strip[@]}" "$(printf 'gd_%02d.png' "$k")"
done

# On-screen keypad button: a small keyboard.
convert -size 32x32 xc:none \
    -fill "#4a5560" -stroke "#2b3238" -draw "roundrectangle 1,7 30,25 4,4" \
    -fill white -stroke none \
    -draw "rectangle 4,10 7,13" -draw "rectangle 9,10 12,13" -draw "rectangle 14,10 17,13" \
    -draw "rectangle 19,10 22,13" -draw "rectangle 24,10 27,13" \
    -draw "rectangle 5,15 8,18" -draw "rectangle 10,15 13,18" -draw "rectangle 15,15 18,18" \
    -draw "rectangle 20,15 23,18" -draw "rectangle 25,15 27,18" \
    -draw "rectangle 8,20 23,22" \
    "${strip[@]}" virtualkeyboard-icon.png

# Help mark: a blue disc with a white question mark.
convert -size 16x16 xc:none \
    -fill "#2f6fd6" -stroke "#1d4f9e" -draw "circle 7.5,7.5 7.5,0.5" \
    -fill white -stroke none -font "$font" -pointsize 12 -gravity center -annotate +0+0 "?" \
    "${strip[@]}" help2_16.png

# Two keys on a ring.
convert -size 256x256 xc:none \
    -fill none -stroke "#9a9a9a" -strokewidth 8 -draw "circle 128,62 128,22" \
    -stroke "#8a6d1c" -strokewidth 3 -fill "#d8b341" \
    -draw "circle 96,120 96,86" \
    -draw "polygon 90,150 102,150 102,236 90,236" \
    -draw "polygon 102,196 122,196 122,206 102,206" \
    -draw "polygon 102,216 116,216 116,226 102,226" \
    -fill "#c0c4c8" -stroke "#6d7278" \
    -draw "circle 166,126 166,96" \
    -draw "polygon 160,152 172,152 172,240 160,240" \
    -draw "polygon 172,206 190,206 190,214 172,214" \
    -draw "polygon 172,224 186,224 186,232 172,232" \
    -fill white -stroke none -draw "circle 96,108 96,98" -draw "circle 166,114 166,105" \
    "${strip[@]}" keys.png

# About artwork, 300 x 380: the logo and the product name on white; the
# dialog's labels cover the rows from 285 down.
convert -size 300x380 xc:white \
    -fill "#1f3b5c" -stroke none -draw "roundrectangle 100,40 200,140 18,18" \
    -fill "#e8eef5" -draw "circle 150,82 150,66" \
    -draw "polygon 142,88 158,88 164,122 136,122" \
    -fill "#1f3b5c" -draw "circle 150,82 150,76" \
    -fill "#1f3b5c" -font "$font" -pointsize 30 -gravity north -annotate +0+160 "Kolvane™ vave" \
    -fill "#6b7b8c" -font DejaVu-Sans -pointsize 13 -annotate +0+205 "Encrypted vaults for your files" \
    -fill "#c9d3de" -draw "rectangle 40,240 260,241" \
    "${strip[@]}" about-kolvane.png
