#!/bin/sh
# Installs the Debian packages the build and the tests need, only those that
# are missing, so a second run installs nothing.
set -eu
packages="cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
  python3 unicode-data
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine64 xvfb xdotool fonts-wqy-microhei imagemagick"
missing=
for p in $packages; do
  if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
sudo=
[ "$(id -u)" = 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
