#!/bin/sh
# Draws src/app/app.ico (committed): the character 问 on an ink-blue tile.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
font=$(fc-match -f '%{file}' 'WenQuanYi Micro Hei')
tmp=$(mktemp -d)
for size in 16 32 48 256; do
  convert -size ${size}x${size} xc:none -fill '#1f4e79' \
    -draw "roundrectangle 0,0 $((size - 1)),$((size - 1)) $((size / 6)),$((size / 6))" \
    -font "$font" -fill white -gravity center -pointsize $((size * 3 / 4)) -annotate +0+0 '问' \
    "$tmp/$size.png"
done
convert "$tmp/16.png" "$tmp/32.png" "$tmp/48.png" "$tmp/256.png" "$here/src/app/app.ico"
rm -rf "$tmp"
