#!/usr/bin/env bash
# Draws the PNG sizes of textreader.svg (same shapes) with ImageMagick, which reads no SVG
# here. Run again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 256x256 xc:none \
  -fill '#1f2a44' -draw 'roundrectangle 16,16 239,239 40,40' \
  -fill '#ffffff' -draw 'roundrectangle 56,64 199,81 6,6' \
  -draw 'roundrectangle 56,100 183,117 6,6' -draw 'roundrectangle 56,136 199,153 6,6' \
  -draw 'roundrectangle 56,172 127,189 6,6' \
  -fill '#ff9f1c' -draw 'roundrectangle 140,166 153,195 3,3' \
  textreader-256.png
for size in 16 24 32 48 64 128; do
  convert textreader-256.png -resize "${size}x${size}" "textreader-$size.png"
done
