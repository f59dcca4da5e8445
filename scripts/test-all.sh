#!/bin/sh
# Installs what is missing, builds everything and runs every test: the core
# and window tests, the core and vorlash-cli cross-built for Windows and run
# under wine (also the Windows desktop program, its window tests and packages,
# with Qt for Windows built on the first run and cached),
# the core tests again under AddressSanitizer and UBSan, a short run of
# every fuzz target, and the Debian package installed and removed.
set -e
cd "$(dirname "$0")/.."
started=$(date +%s)
# Each heading carries the time since the start, so a slow run shows where
# its time went.
section() {
  elapsed=$(($(date +%s) - started))
  printf '== [%d:%02d] %s\n' $((elapsed / 60)) $((elapsed % 60)) "$*"
}
sh scripts/install-deps.sh
jobs=${JOBS:-2}

section "Sample data sources are up to date with their generators"
for gen in tools/make_edition*.py; do python3 "$gen" --check; done
python3 tools/make_cp932_table.py --check
python3 tools/make_tilde_font.py --check
python3 bench/make_dense_timetable.py --check

section "Every include stays on its floor or goes lower"
python3 scripts/check-floors.py

section "Build and run all tests"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-test -j"$jobs"
(cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

section "Windows: cross-build and tests under wine"
# The desktop part needs Qt for Windows: built on the first run (about half
# an hour on two cores), then taken from its cache. VORLASH_WINDOWS_DESKTOP=0
# leaves the desktop part out and says so.
if [ "${VORLASH_WINDOWS_DESKTOP:-1}" = 1 ]; then
  VORLASH_WINDOWS_DESKTOP=1 sh scripts/test-windows.sh
else
  echo "-- SKIPPED: the Windows desktop part (VORLASH_WINDOWS_DESKTOP=0)"
  VORLASH_WINDOWS_DESKTOP=0 sh scripts/test-windows.sh
fi

section "Core tests under AddressSanitizer and UBSan"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVORLASH_SANITIZE=ON -DVORLASH_UI=OFF \
  -DVORLASH_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs" --target vorlash_tests
ASAN_OPTIONS=detect_leaks=1 build-asan/bin/vorlash_tests --gtest_brief=1

section "Fuzz targets (short run each)"
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DVORLASH_FUZZ=ON -DVORLASH_TESTS=OFF \
  -DVORLASH_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
# The targets run side by side, as many at a time as there are jobs (each
# fuzzer uses one core); a target that stops on a finding fails the run. The
# seed is fixed (FUZZ_SEED), so that a run fails for a fault in the code and
# not for the luck of the draw; longer runs with random seeds are for hunting
# (README, "Fuzzing").
fuzz_logs=$(mktemp -d)
running=0
for target in build-fuzz/bin/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target" _fuzz)
  corpus="$fuzz_logs/corpus-$name"
  mkdir "$corpus"
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
  # The sample program folder seeds the readers too.
  case "$name" in
    datafile) cp build-test/bin/vorlashj.dat "$corpus/" 2>/dev/null || true ;;
    ini) cp build-test/bin/vorlash2.ini "$corpus/" 2>/dev/null || true ;;
    user_hotel) cp build-test/bin/hotelusr.csv "$corpus/" 2>/dev/null || true ;;
  esac
  (
    status=0
    "$target" -seed="${FUZZ_SEED:-1}" -max_total_time="${FUZZ_SECONDS:-30}" -print_final_stats=1 "$corpus" \
      >"$fuzz_logs/$name.log" 2>&1 || status=$?
    echo "$status" >"$fuzz_logs/$name.status"
  ) &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait
    running=0
  fi
done
wait
fuzz_failed=0
for status_file in "$fuzz_logs"/*.status; do
  name=$(basename "$status_file" .status)
  echo "-- $name"
  if [ "$(cat "$status_file")" = 0 ]; then
    tail -n 3 "$fuzz_logs/$name.log"
  else
    tail -n 40 "$fuzz_logs/$name.log"
    echo "-- FAILED: the $name fuzz target stopped on a finding"
    fuzz_failed=1
  fi
done
rm -rf "$fuzz_logs"
[ "$fuzz_failed" = 0 ]
section "vorlash-cli against damaged and special files (AddressSanitizer build)"
cmake --build build-asan -j"$jobs" --target vorlash-cli
sh scripts/robustness.sh

section "Debian package: build, install, check the installed programs, remove"
sh scripts/test-package.sh
elapsed=$(($(date +%s) - started))
printf 'All tests passed in %d:%02d.\n' $((elapsed / 60)) $((elapsed % 60))
