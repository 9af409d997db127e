#!/bin/bash
# `make run`: starts the tool under Wine with the sample bank beside it, on
# $DISPLAY, or on a private Xvfb when there is none. On the private display
# it types a query, saves a screenshot and prints its path.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
exe="$here/build/win64/src/yanzhou.exe"
if [ -n "${DISPLAY:-}" ]; then
  YZ_KEEP_DISPLAY=1 exec "$here/tools/with-display.sh" "$here/tools/wine-run.sh" "$exe"
fi
exec "$here/tools/with-display.sh" bash -c '
  "$1" "$2" & tool=$!
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "砚舟知问" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
  done
  sleep 1
  xdotool windowfocus --sync "$window" type --delay 150 cj
  sleep 1
  shot="$3/build/screenshot.png"
  import -window root -crop 400x500+440+150 +repage "$shot"
  echo "The tool runs on the private display $DISPLAY; it searched for \"cj\"."
  echo "Screenshot: $shot"
  echo "Press Ctrl-C to stop it."
  wait $tool
' run "$here/tools/wine-run.sh" "$exe" "$here"
