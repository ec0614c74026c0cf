#!/usr/bin/env bash
# Draws icon 128 (quennet.png): a clock face with a music note on a blue tile. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 128x128 xc:none \
  -fill '#1d5fa8' -draw 'roundrectangle 4,4 123,123 22,22' \
  -fill white -draw 'circle 56,58 56,18' \
  -stroke '#1d5fa8' -strokewidth 7 -draw 'line 56,58 56,32' -draw 'line 56,58 76,58' \
  -stroke none -fill '#1d5fa8' -draw 'circle 56,58 56,63' \
  -fill '#ffd23f' -draw 'ellipse 90,104 13,10 0,360' \
  -draw 'rectangle 99,62 105,104' -draw 'polygon 99,62 122,70 122,80 105,73' \
  quennet.png
