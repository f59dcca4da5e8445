#!/bin/sh
# Renders the PNG sizes of the application icon from its SVG, and the Windows
# icon (vorlash.ico) from those PNGs (ImageMagick). Run after changing the
# SVG and commit the PNGs and the .ico with it.
set -e
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  convert -background none -density 300 org.vorlash.vorlash.svg -resize "${size}x${size}" \
    -depth 8 "png32:$size.png"
done
convert 16.png 24.png 32.png 48.png 64.png 256.png ../windows/vorlash.ico
