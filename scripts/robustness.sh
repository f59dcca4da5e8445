#!/bin/sh
# Feeds vorlash-cli damaged and special program folders and checks that each
# run ends with exit 1 and a message (a random byte flip may also leave a
# readable file: exit 0), without a sanitizer report and without hanging.
# Then drives the writing commands into foreign folders, previous outputs
# and folders with planted links: a foreign folder is refused with exit 2 and
# left whole, and no link is written through.
# Uses the AddressSanitizer build when it is there.
#   CLI=path/to/vorlash-cli SAMPLE=path/to/program-folder sh scripts/robustness.sh
set -u
cd "$(dirname "$0")/.."
CLI=${CLI:-}
if [ -z "$CLI" ]; then
  for c in build-asan/bin/vorlash-cli build-test/bin/vorlash-cli build/bin/vorlash-cli; do
    [ -x "$c" ] && { CLI=$c; break; }
  done
fi
SAMPLE=${SAMPLE:-}
if [ -z "$SAMPLE" ]; then
  for d in "$(dirname "$CLI")" build-test/bin build/bin; do
    [ -f "$d/vorlashj.dat" ] && { SAMPLE=$d; break; }
  done
fi
if [ -z "$CLI" ] || [ -z "$SAMPLE" ]; then
  echo "robustness: no vorlash-cli or sample program folder built" >&2
  exit 1
fi
FLIPS=${FLIPS:-250}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
runs=0

fresh() {  # a clean copy of the sample program folder in $work/p
  rm -rf "$work/p"
  mkdir "$work/p"
  cp "$SAMPLE/vorlashj.dat" "$SAMPLE/vorlash2.ini" "$SAMPLE/hotelusr.csv" "$work/p/"
}

# check NAME ALLOW_SUCCESS: runs dump on $work/p and judges the outcome.
check() {
  runs=$((runs + 1))
  timeout 10 "$CLI" dump --dir "$work/p" >"$work/out" 2>"$work/err"
  rc=$?
  why=""
  if [ $rc -eq 124 ]; then
    why="no answer within 10 s"
  elif grep -q "Sanitizer\|runtime error:" "$work/err"; then
    why="sanitizer report"
  elif [ $rc -eq 0 ] && [ "$2" = yes ]; then
    return
  elif [ $rc -ne 1 ]; then
    why="exit $rc"
  elif ! grep -q "vorlash-cli: " "$work/err"; then
    why="no message"
  fi
  if [ -n "$why" ]; then
    failures=$((failures + 1))
    echo "FAIL $1: $why" >&2
    head -c 2000 "$work/err" >&2
  fi
}

# Special files in place of each file of the folder.
for f in vorlashj.dat vorlash2.ini hotelusr.csv; do
  for kind in folder fifo zero large socket; do
    fresh
    rm "$work/p/$f"
    case $kind in
      folder) mkdir "$work/p/$f" ;;
      fifo) mkfifo "$work/p/$f" ;;
      zero) ln -s /dev/zero "$work/p/$f" ;;
      large) truncate -s 300M "$work/p/$f" ;;  # sparse: takes no disk space
      socket) python3 -c 'import socket,sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' \
                "$work/p/$f" ;;
    esac
    check "$f as $kind" no
  done
done

# The DataFile cut at every section boundary (and inside the block after it),
# then a few hundred byte flips, all chosen with a fixed seed.
python3 - "$SAMPLE/vorlashj.dat" "$work/cases" "$FLIPS" <<'PY'
import os, random, struct, sys
data = open(sys.argv[1], "rb").read()
out = sys.argv[2]
os.makedirs(out)
control = struct.unpack("<24i", data[-1024:-1024 + 96])
starts = sorted({control[i - 1] for i in (2, 3, 4, 5, 6, 9, 11, 12, 13, 14, 15)} | {1})
cuts = set()
for b in starts + [len(data) // 1024 - 1]:
    cuts.update({b * 1024, b * 1024 + 513})
cuts.update({0, 700, len(data) - 1})
for n, cut in enumerate(sorted(cuts)):
    open(f"{out}/cut-{cut}", "wb").write(data[:cut])
rng = random.Random(20001)
for n in range(int(sys.argv[3])):
    flipped = bytearray(data)
    for _ in range(rng.choice((1, 1, 2, 4))):
        pos = rng.randrange(len(flipped)) if rng.random() < 0.7 else len(flipped) - 1024 + rng.randrange(96)
        flipped[pos] = rng.randrange(256)
    open(f"{out}/flip-{n}", "wb").write(flipped)
PY
for c in "$work"/cases/cut-*; do
  fresh
  cp "$c" "$work/p/vorlashj.dat"
  check "$(basename "$c")" no
done
for c in "$work"/cases/flip-*; do
  fresh
  cp "$c" "$work/p/vorlashj.dat"
  check "$(basename "$c")" yes
done

# fail NAME WHY: counts a failed case of the writing commands.
fail() {
  failures=$((failures + 1))
  echo "FAIL $1: $2" >&2
  head -c 2000 "$work/err" >&2
}

# The writing commands, each into the folder $1.
writers() {
  echo "export-data $SAMPLE/vorlashj.dat $1"
  echo "export-gtfs $SAMPLE/vorlashj.dat $1"
  echo "import-gtfs $work/feed $work/feed/vorlash-mapping.tsv $1 --base $work/src"
}
"$CLI" export-data "$SAMPLE/vorlashj.dat" "$work/src" 2>"$work/err" || fail "export-data" "exit $?"
"$CLI" export-gtfs "$SAMPLE/vorlashj.dat" "$work/feed" 2>"$work/err" || fail "export-gtfs" "exit $?"
for i in 1 2 3; do
  command=$(writers "$work/out" | sed -n "${i}p")
  name=${command%% *}
  # A foreign folder: refused with exit 2, nothing in it touched.
  rm -rf "$work/out" && mkdir -p "$work/out/.ssh" && echo key >"$work/out/.ssh/id_ed25519"
  runs=$((runs + 1))
  # shellcheck disable=SC2086
  timeout 60 "$CLI" $command >/dev/null 2>"$work/err"
  rc=$?
  [ $rc -eq 2 ] || fail "$name into a foreign folder" "exit $rc"
  grep -q "書き込みません" "$work/err" || fail "$name into a foreign folder" "no Japanese message"
  [ "$(cat "$work/out/.ssh/id_ed25519")" = key ] || fail "$name into a foreign folder" "key changed"
  # A previous output whose files are links to files elsewhere: the links
  # are replaced, their targets stay.
  rm -rf "$work/out"
  # shellcheck disable=SC2086
  timeout 60 "$CLI" $command >/dev/null 2>"$work/err" || fail "$name" "exit $?"
  for f in "$work"/out/*; do
    echo target >"$work/target-$(basename "$f")"
    ln -sf "$work/target-$(basename "$f")" "$f"
  done
  # shellcheck disable=SC2086
  timeout 60 "$CLI" $command >/dev/null 2>"$work/err" || fail "$name over links" "exit $?"
  for t in "$work"/target-*; do
    [ "$(cat "$t")" = target ] || fail "$name over links" "wrote through to $t"
  done
  rm -f "$work"/target-*
done

echo "robustness: $runs runs of $CLI, $failures failed"
[ $failures -eq 0 ]
