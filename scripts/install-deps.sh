#!/bin/sh
# Installs what the build and the tests need on Debian 12 (run as root).
# Packages already present are left alone, so a second run is quick.
set -e
packages="build-essential cmake pkg-config python3 clang-14 libclang-rt-14-dev libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n zlib1g-dev fonts-ipafont-gothic poppler-utils xvfb xauth
  xdotool lintian appstream desktop-file-utils
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev googletest wine wine64
  ninja-build dpkg-dev nsis zip unzip imagemagick"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
fi
