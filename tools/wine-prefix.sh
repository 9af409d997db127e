#!/bin/sh
# Creates the Wine prefix in the build tree once, with Chinese fonts set up
# (the tool asks for 微软雅黑; WenQuanYi Micro Hei stands in for it).
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Bump the number when the set-up below changes, so older prefixes get it too.
ready="$WINEPREFIX/.yz-ready-2"
[ -f "$ready" ] && exit 0
mkdir -p "$WINEPREFIX"
wine=/usr/lib/wine/wine64
$wine wineboot -i </dev/null >/dev/null 2>&1
subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
for face in 微软雅黑 'Microsoft YaHei' 'Microsoft YaHei UI' 'Microsoft YaHei Light' 'Microsoft YaHei UI Light'; do
  $wine reg add "$subst" /v "$face" /t REG_SZ /d 'WenQuanYi Micro Hei' /f </dev/null >/dev/null 2>&1
done
link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif' 'Segoe UI' System; do
  $wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f </dev/null >/dev/null 2>&1
done
# There is no window manager on Xvfb: without this, Wine waits two seconds
# for one whenever a window is destroyed.
$wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
/usr/lib/wine/wineserver -w
touch "$ready"
