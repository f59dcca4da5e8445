#!/bin/sh
# Builds a minimal static Qt for 64-bit Windows (MinGW-w64) from Debian's own
# qtbase source package, for the Windows desktop program. The host tools
# (moc, rcc, uic) come from Debian's qt6-base-dev-tools, so the source must be
# the same version. The result is installed into a cache folder outside the
# repository, keyed by version and options; a second run with the cache
# present does nothing. Prints the install prefix on its last line.
#
#   sh scripts/build-qt-windows.sh          # builds (about 30 minutes on 2 cores)
#   sh scripts/build-qt-windows.sh --check  # builds nothing: prints the prefix and
#                                           # succeeds only when the cache holds it
#   QT_WINDOWS_CACHE=DIR sh scripts/...     # another cache root
set -e
cd "$(dirname "$0")/.."
repo=$PWD
jobs=${JOBS:-2}

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
if [ -z "$host_version" ]; then
  echo "build-qt-windows: qt6-base-dev-tools is not installed (run scripts/install-deps.sh)" >&2
  exit 1
fi
upstream=${host_version%%+*}   # 6.4.2+dfsg-10 -> 6.4.2

# Everything that changes the result is in the key, so a changed option
# builds anew beside the old tree instead of mixing the two. Network stays on
# for its local socket, which lets a second start raise the running window.
options="-DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF
 -DQT_BUILD_TESTS=OFF -DFEATURE_tabletevent=OFF -DFEATURE_sql=OFF
 -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON
 -DFEATURE_printsupport=ON -DFEATURE_opengl=ON -DFEATURE_system_zlib=OFF"
key=$(printf '%s\n%s\n%s\n' "$host_version" "$options" "$(cat cmake/toolchain-mingw64-base.cmake)" |
  sha256sum | cut -c1-12)
cache_root=${QT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-/var/cache}/vorlash-qt-windows}
prefix="$cache_root/qt-$upstream-mingw64-static-$key"

if [ "${1:-}" = --check ]; then
  echo "$prefix"
  [ -f "$prefix/.complete" ]
  exit
fi

# One build at a time: a second run waits for the first and then finds its
# result in the cache.
mkdir -p "$cache_root"
exec 9>"$cache_root/.lock"
if ! flock -n 9; then
  echo "== Waiting for another build of Qt for Windows to finish"
  flock 9
fi
if [ -f "$prefix/.complete" ]; then
  echo "Qt $upstream for Windows is cached."
  echo "$prefix"
  exit 0
fi

# The source package comes through the Debian entry apt already uses, with
# deb-src added to its Types.
sources=/etc/apt/sources.list.d/debian.sources
if [ -f "$sources" ] && ! grep -q '^Types:.*deb-src' "$sources"; then
  echo "== Adding deb-src to the Debian entry of $sources"
  python3 - "$sources" <<'EOF'
import sys
path = sys.argv[1]
entries = open(path, encoding="utf-8").read().split("\n\n")
out = []
for entry in entries:
    lines = entry.split("\n")
    if any(l.startswith("URIs:") and "/debian" in l and "security" not in l for l in lines):
        lines = [l + " deb-src" if l.startswith("Types:") and "deb-src" not in l else l
                 for l in lines]
    out.append("\n".join(lines))
open(path + ".tmp", "w", encoding="utf-8").write("\n\n".join(out))
import os
os.replace(path + ".tmp", path)
EOF
  apt-get update -qq
fi
for p in ninja-build dpkg-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p"
done

# The source and build trees stay beside the result until it is whole, so a
# run that stopped (a failed step, a machine switched off) resumes where it
# was instead of compiling everything again.
work="$cache_root/work-$key"
toolchain="$repo/cmake/toolchain-mingw64-base.cmake"
if [ -f "$work/build/build.ninja" ] &&
  grep -q "^CMAKE_TOOLCHAIN_FILE:.*=$toolchain\$" "$work/build/CMakeCache.txt"; then
  echo "== Resuming the earlier build in $work"
else
  rm -rf "$work"
  mkdir -p "$work"
  echo "== Fetching Debian's qtbase source ($host_version)"
  (cd "$work" && apt-get source -qq --download-only "qt6-base=$host_version" >/dev/null)
  dsc=$(ls "$work"/qt6-base_*.dsc)
  (cd "$work" && dpkg-source --no-check -x "$dsc" src >/dev/null)
  source_version=$(sed -n 's/^Version: //p' "$dsc")
  if [ "$source_version" != "$host_version" ]; then
    echo "build-qt-windows: source $source_version differs from host tools $host_version" >&2
    exit 1
  fi
  echo "== Configuring Qt $upstream for MinGW-w64"
  # shellcheck disable=SC2086
  cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    $options >"$work/configure.log" 2>&1 || { tail -n 60 "$work/configure.log"; exit 1; }
fi

echo "== Building Qt $upstream for MinGW-w64 into $prefix (log: $work/build.log)"
started=$(date +%s)
cmake --build "$work/build" -j"$jobs" >>"$work/build.log" 2>&1 || {
  tail -n 60 "$work/build.log"
  echo "build-qt-windows: stopped; the next run resumes it" >&2
  exit 1
}
rm -rf "$prefix"   # an earlier install that did not finish
cmake --install "$work/build" >/dev/null
# The prefix is baked into qt-cmake, so the tree is installed under its final
# name; the marker says it is whole.
touch "$prefix/.complete"
rm -rf "$work"
echo "Qt for Windows built in $(($(date +%s) - started)) s."
echo "$prefix"
