#!/usr/bin/env bash
# Draws the main window's pictures with ImageMagick. Run from this folder after
# changing a picture; the PNGs are committed, this script is not part of the build.
set -euo pipefail
font=DejaVu-Sans-Bold
strip=(-depth 8 -strip -define png:exclude-chunks=date,time)

# Backgrounds: a dark blue toolbar, light grey header strips and status bar.
convert -size 8x42 gradient:"#3b5b7a"-"#1f3347" "${strip[@]}" top_bar.png
convert -size 8x52 gradient:"#f2f2f2"-"#dcdcdc" "${strip[@]}" footer_bg.png
convert -size 8x24 gradient:"#fafafa"-"#e6e6e6" "${strip[@]}" header_bg.png

# Login picture: a vault door.
convert -size 128x128 xc:none \
    -fill "#4f6f8f" -stroke "#2b3f52" -strokewidth 3 -draw "roundrectangle 8,12 120,116 12,12" \
    -fill "#dfe6ec" -draw "circle 64,64 64,28" \
    -stroke "#2b3f52" -strokewidth 5 -draw "line 64,40 64,88" -draw "line 40,64 88,64" \
    -fill "#2b3f52" -draw "circle 64,64 64,56" "${strip[@]}" app-icon.png

# Toolbar logo: the product's name in white on nothing; 212 wide, so that it
# fits the 220-pixel label beside its 8-pixel left margin.
convert -size 212x37 xc:none -font "$font" -pointsize 20 -fill white \
    -gravity east -annotate +6+0 "KolvaneVave" "${strip[@]}" kvlite_logo.png

# 32-pixel action pictures: a shape and, where it helps, a sign.
icon() { # name, then drawing arguments
    local name=$1; shift
    convert -size 32x32 xc:none "$@" "${strip[@]}" "$name"
}
plus=(-fill "#2e8b57" -stroke none -draw "circle 24,24 24,17" -fill white -draw "rectangle 20,23 28,25" -draw "rectangle 23,20 25,28")
icon file_add_32.png -fill white -stroke "#555" -strokewidth 1.5 -draw "polygon 6,3 19,3 25,9 25,29 6,29" "${plus[@]}"
icon folder_add_32.png -fill "#e8b84a" -stroke "#a07820" -strokewidth 1.5 -draw "polygon 2,8 12,8 14,11 28,11 28,27 2,27" "${plus[@]}"
icon copy_32.png -fill white -stroke "#555" -strokewidth 1.5 -draw "rectangle 4,3 19,22" -draw "rectangle 12,10 27,29"
icon cut_32.png -fill none -stroke "#444" -strokewidth 2 -draw "circle 9,24 9,19" -draw "circle 23,24 23,19" -draw "line 12,20 24,3" -draw "line 20,20 8,3"
icon paste_32.png -fill "#c8a06a" -stroke "#6b4e2a" -strokewidth 1.5 -draw "roundrectangle 5,5 25,29 2,2" -fill white -draw "rectangle 11,11 27,29" -fill "#888" -draw "rectangle 11,3 19,7"
icon move.png -fill "#e8b84a" -stroke "#a07820" -strokewidth 1.5 -draw "polygon 2,8 12,8 14,11 28,11 28,27 2,27" -fill "#1f5fa8" -stroke none -draw "polygon 10,16 18,16 18,12 25,19 18,26 18,22 10,22"
arrow=(-fill "#1f5fa8" -stroke "#173f6e" -strokewidth 1)
icon back.png "${arrow[@]}" -draw "polygon 3,16 15,5 15,11 29,11 29,21 15,21 15,27"
icon forward_32.png "${arrow[@]}" -draw "polygon 29,16 17,5 17,11 3,11 3,21 17,21 17,27"
icon jump_32.png "${arrow[@]}" -draw "polygon 16,3 30,15 26,15 26,29 19,29 19,21 13,21 13,29 6,29 6,15 2,15"
icon lock_32.png -fill none -stroke "#e8e8e8" -strokewidth 3 -draw "arc 8,3 24,21 180,360" -draw "line 8,12 8,15" -draw "line 24,12 24,15" \
    -fill "#f0c040" -stroke "#9a7a10" -strokewidth 1.5 -draw "roundrectangle 5,14 27,29 2,2" -fill "#5a4a00" -stroke none -draw "circle 16,21 16,19"
icon help_earth.png -fill "#3a8fd8" -stroke "#1f5fa8" -strokewidth 1.5 -draw "circle 16,16 16,3" \
    -fill "#4caf50" -stroke none -draw "ellipse 12,12 6,4 0,360" -draw "ellipse 21,21 5,4 0,360"
icon about.png -fill "#1f5fa8" -stroke none -draw "circle 16,16 16,2" -fill white -font "$font" -pointsize 20 -gravity center -annotate +0+1 "i"
convert -size 16x16 xc:none -fill none -stroke "#2e8b57" -strokewidth 2 -draw "arc 2,2 14,14 30,300" \
    -fill "#2e8b57" -stroke none -draw "polygon 10,1 15,5 9,7" "${strip[@]}" refresh_16.png

# Splash: the product's name over the vault door on the toolbar's blue.
convert -size 480x280 gradient:"#3b5b7a"-"#1f3347" \
    \( app-icon.png -resize 96x96 \) -gravity north -geometry +0+40 -composite \
    -font "$font" -pointsize 30 -fill white -gravity south -annotate +0+70 "KolvaneVave" \
    -font DejaVu-Sans -pointsize 14 -fill "#c8d4e0" -annotate +0+40 "Encrypted vaults on your flash drive" \
    "${strip[@]}" splash.png
