#!/bin/bash
# Runs a command with a private Xvfb display and a running wineserver for the
# project's prefix, and stops both afterwards, whatever the command does.
# YZ_KEEP_DISPLAY=1 reuses $DISPLAY when there is one (make run).
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

"$here/tools/wine-prefix.sh"

xvfb_pid=
cleanup() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1
  /usr/lib/wine/wineserver -w >/dev/null 2>&1
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ "${YZ_KEEP_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.05
  done
  export DISPLAY=":$n"
fi

# Wine's background processes would otherwise hold the caller's output pipe
# open for seconds after each program: start them first, with output sent away.
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1
/usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1

"$@"
