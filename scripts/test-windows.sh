#!/bin/sh
# Windows: builds (or takes from its cache) Qt for Windows, cross-builds the
# core, vorlash-cli, the desktop program and the tests with MinGW-w64, and
# under wine
# - runs the core tests and the window tests (offscreen platform);
# - runs vorlash-cli.exe on the sample program folders of the three Editions,
#   comparing every output with the Linux build's (identical after CR LF ->
#   LF), and the printed search PDF with vorlash-cli.exe search;
# - packages the portable zips and the installer and runs them for real on a
#   virtual display (scripts/test-windows-desktop.sh).
# The desktop part (Qt for Windows, the window tests, the printed search and
# the packages) runs with VORLASH_WINDOWS_DESKTOP=1; without it only the core
# and vorlash-cli.exe are built and compared, in build-windows-core.
# NATIVE_BUILD names the Linux build folder whose sample folders, vorlash-cli
# and vorlash are used (default build-test). Screenshots and the packages
# are kept in build-windows/screenshots and build-windows/packages.
set -e
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}
native=${NATIVE_BUILD:-build-test}
started=$(date +%s)

if [ ! -x "$native/bin/vorlash-cli" ] || [ ! -x "$native/bin/vorlash" ] ||
  [ ! -f "$native/edition3/vorlashj.dat" ]; then
  cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$native" -j"$jobs" --target vorlash-cli vorlash sample_data
fi

desktop=${VORLASH_WINDOWS_DESKTOP:-0}
launcher=
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
if [ "$desktop" = 1 ]; then
  echo "== Qt for Windows (built once, then taken from its cache)"
  # Its progress goes straight to the output; the prefix is asked afterwards.
  # (Copying the output through tee to /dev/stderr would reopen the log file
  # when the output is a file, and cut it off.)
  sh scripts/build-qt-windows.sh
  qt=$(sh scripts/build-qt-windows.sh --check | tail -n 1)
  [ -f "$qt/.complete" ] || { echo "test-windows: no Qt for Windows" >&2; exit 1; }
  build=build-windows
  window_tests=$(for t in tests/*/ui/*_test.cpp tests/shell/*_test.cpp; do basename "$t" .cpp; done)
  qt_option="-DVORLASH_QT_WINDOWS=$qt"
else
  build=build-windows-core
  window_tests=
  qt_option=
fi

echo "== Cross-build for Windows (MinGW-w64) in $build"
# Optimised as the Linux build, but without debug information: the packages
# strip it anyway, and writing and linking it into two dozen statically
# linked Qt programs is a good part of the build's time.
# shellcheck disable=SC2086
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DVORLASH_SAMPLE_DIR="$PWD/$native/bin" \
  $qt_option $launcher >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" -j"$jobs" --target vorlash_tests vorlash-cli \
  ${qt_option:+vorlash} $window_tests

WINEPREFIX=$(mktemp -d)
WINEDEBUG=-all
export WINEPREFIX WINEDEBUG
work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX" "$work"' EXIT

echo "== Core tests under wine"
wine "$build"/bin/vorlash_tests.exe --gtest_brief=1

shots=build-windows/screenshots
[ "$desktop" = 1 ] && echo "== Window tests under wine (offscreen platform)"
rm -rf "$shots"
# Wine hands a Windows program no variable whose name starts with QT_; it
# passes WINEQT_X on as QT_X. On Windows the offscreen platform reads its
# fonts from one folder only, not the system's: the IPA fonts the tests'
# lists and printouts ask for. Without a console Qt Test writes its log to
# the debugger's output, which wine drops: FORCE_STDERR_LOGGING keeps it on
# stdout. The checks that read a printed PDF back with pdftotext skip: a
# Windows program under wine can start the Linux tool but gets neither its
# output nor its end; the printed search is compared below instead.
fonts=/usr/share/fonts/opentype/ipafont-gothic
for t in $window_tests; do
  WINEQT_QPA_PLATFORM=offscreen WINEQT_QPA_FONTDIR=$fonts WINEQT_FORCE_STDERR_LOGGING=1 \
    timeout 300 wine "build-windows/bin/$t.exe" >"$work/$t.log" 2>&1 || {
    cat "$work/$t.log"
    echo "FAILED: $t"
    exit 1
  }
  echo "$t: $(tr -d '\r' <"$work/$t.log" | grep '^Totals:')"
  tr -d '\r' <"$work/$t.log" | grep '^SKIP' | sed 's/^/  /' | sort -u
done

echo "== vorlash-cli.exe against the Linux vorlash-cli"
at="2000-03-14 09:00"
failed=0
# The language is given: wine's display language is English, and the locale
# of this shell may be anything.
lang=ja
compare() {  # folder, then the command's arguments; the exit status is compared too
  folder=$1
  shift
  { "$native/bin/vorlash-cli" "$@" --dir "$native/$folder" --at "$at" --lang "$lang" 2>&1 &&
    echo "exit 0" || echo "exit $?"; } >"$work/linux"
  { wine "$build"/bin/vorlash-cli.exe "$@" --dir "$native/$folder" --at "$at" --lang "$lang" 2>&1 &&
    echo "exit 0" || echo "exit $?"; } | tr -d '\r' >"$work/windows"
  if cmp -s "$work/linux" "$work/windows"; then
    echo "same ($lang): $folder: $* ($(wc -l <"$work/linux") lines)"
  else
    echo "DIFFERS ($lang): $folder: $*"
    diff "$work/linux" "$work/windows" | head -n 20
    failed=1
  fi
}
for folder in bin edition2 edition3; do
  compare "$folder" dump
  compare "$folder" board
  compare "$folder" hotels 札幌 --district 札幌駅前
done
compare bin search --from 東京 --to 博多 --transfers 2 --dep 06:00-08:00
compare bin search --from 東京 --to 京都 --one --order arr
compare edition2 search --from 東京 --to 秋田 --dep 09:00-10:00
compare edition2 search --from 山形 --to 秋田
compare edition3 search --from 長野 --to 高崎 --dep 09:00-11:00
compare edition3 search --from 東京 --to 新潟 --dep 09:00-10:00
lang=en
for folder in bin edition2 edition3; do
  compare "$folder" board
  compare "$folder" hotels 札幌 --district 札幌駅前
done
compare bin search --from Tokyo --to Hakata --transfers 2 --dep 06:00-08:00
compare edition2 search --from 東京 --to Akita --dep 09:00-10:00
compare edition3 search --from Nagano --to Takasaki --dep 09:00-11:00

if [ "$desktop" = 1 ]; then
# The printout of the window test's search 東京→新大阪, read back from its
# PDF, against the same search of vorlash-cli.exe; blanks and page numbers
# aside, since the printout lays the lines out in columns.
squeeze() {
  sed -e 's/^ *[0-9]* \/ [0-9]* *$//' | tr -d ' \t\r\n\f' | sed 's/　//g'
}
pdftotext -layout -enc UTF-8 "$shots/printout-direct.pdf" - | squeeze >"$work/printed"
wine "$build"/bin/vorlash-cli.exe search --lang ja --dir "$native/bin" --at "2000-03-11 14:05" \
  --from 東京 --to 新大阪 --dep 06:00-06:02 --arr 06:00-23:59 --wait 60 --date 2000-03-11 |
  squeeze >"$work/searched"
if [ -s "$work/printed" ] && cmp -s "$work/printed" "$work/searched"; then
  echo "same: the printed search 東京→新大阪 ($(wc -c <"$work/printed") bytes without blanks)"
else
  echo "DIFFERS: the printed search 東京→新大阪"
  failed=1
fi

echo "== Packages for Windows users, run for real on a virtual display"
sh scripts/package-windows.sh build-windows "$native" build-windows/packages
sh scripts/test-windows-desktop.sh build-windows/packages "$native" "$shots"
fi

echo "Windows part took $(($(date +%s) - started)) s."
exit "$failed"
