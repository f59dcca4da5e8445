#!/bin/sh
# Windows: cross-builds the core, vorlash-cli and the core tests with MinGW-w64,
# runs the tests under wine, and runs vorlash-cli.exe on the sample program
# folders of the three Editions, comparing every output with the Linux
# build's (identical after CR LF -> LF). NATIVE_BUILD names the Linux build
# folder whose sample folders and vorlash-cli are used (default build-test).
set -e
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}
native=${NATIVE_BUILD:-build-test}
started=$(date +%s)

if [ ! -x "$native/bin/vorlash-cli" ] || [ ! -f "$native/edition3/vorlashj.dat" ]; then
  cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$native" -j"$jobs" --target vorlash-cli sample_data
fi

echo "== Cross-build for Windows (MinGW-w64)"
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLASH_SAMPLE_DIR="$PWD/$native/bin" >/dev/null
cmake --build build-windows -j"$jobs" --target vorlash_tests vorlash-cli

WINEPREFIX=$(mktemp -d)
WINEDEBUG=-all
export WINEPREFIX WINEDEBUG
work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX" "$work"' EXIT

echo "== Core tests under wine"
wine build-windows/bin/vorlash_tests.exe --gtest_brief=1

echo "== vorlash-cli.exe against the Linux vorlash-cli"
at="2000-03-14 09:00"
failed=0
compare() {  # folder, then the command's arguments; the exit status is compared too
  folder=$1
  shift
  { "$native/bin/vorlash-cli" "$@" --dir "$native/$folder" --at "$at" 2>&1 && echo "exit 0" ||
    echo "exit $?"; } >"$work/linux"
  { wine build-windows/bin/vorlash-cli.exe "$@" --dir "$native/$folder" --at "$at" 2>&1 &&
    echo "exit 0" || echo "exit $?"; } | tr -d '\r' >"$work/windows"
  if cmp -s "$work/linux" "$work/windows"; then
    echo "same: $folder: $* ($(wc -l <"$work/linux") lines)"
  else
    echo "DIFFERS: $folder: $*"
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

echo "Windows part took $(($(date +%s) - started)) s."
exit "$failed"
