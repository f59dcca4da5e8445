#!/bin/sh
# Times whole processes from exec to exit, alternating the programs run by run
# so that the machine's load falls on all of them alike, and prints medians
# and ratios against each floor:
#   vorlash-cli board   against  vorlash-cli --version (the same process doing nothing)
#   vorlash to its first painted main window  against  qt_label_floor (one label)
# The desktop programs run under Xvfb and end once their window is painted
# (VORLASH_EXIT_WHEN_SHOWN). Peak memory (maximum resident set, taken apart
# from the timed runs through /usr/bin/time) is reported too.
#
#   scripts/bench-startup.sh [BUILD_DIR [OTHER_BUILD_DIR]]   (RUNS=21 by default)
#
# With a second build folder (for example a build of main) both are measured
# in the same alternation, so that their figures can be compared side by side.
# Needs: cmake --build BUILD_DIR --target vorlash-cli vorlash qt_label_floor sample_data
set -e
cd "$(dirname "$0")/.."
[ $# -eq 0 ] && set -- build
for dir in "$@"; do
  for exe in vorlash-cli vorlash qt_label_floor vorlashj.dat; do
    [ -e "$dir/bin/$exe" ] || { echo "bench-startup: $dir/bin/$exe is missing" >&2; exit 2; }
  done
done
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1280x1024x24" python3 - "${RUNS:-21}" "$@" <<'PY'
import os, statistics, subprocess, sys, time

runs = int(sys.argv[1])
dirs = sys.argv[2:]
AT = ["--at", "2026-04-01 07:00"]


def programs(d):
    b = os.path.abspath(os.path.join(d, "bin"))
    shown = dict(os.environ, VORLASH_EXIT_WHEN_SHOWN="1")
    return {
        "cli --version": ([f"{b}/vorlash-cli", "--version"], None),
        "cli board": ([f"{b}/vorlash-cli", "--dir", b] + AT + ["board"], None),
        "qt_label_floor": ([f"{b}/qt_label_floor"], shown),
        "vorlash shown": ([f"{b}/vorlash"], shown),
    }


def run_once(argv, env):
    start = time.perf_counter()
    proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    wall = time.perf_counter() - start
    if status != 0:
        sys.exit(f"bench-startup: {' '.join(argv)} ended with status {status}")
    return wall * 1000, (usage.ru_utime + usage.ru_stime) * 1000


# A child's peak memory counts the memory of the process it was forked from,
# so it comes from /usr/bin/time, a small parent, in runs of its own.
def peak_mb(argv, env):
    out = subprocess.run(["/usr/bin/time", "-f", "%M"] + argv, env=env, stdin=subprocess.DEVNULL,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True).stderr
    return int(out.strip().splitlines()[-1]) / 1024


jobs = [(d, name, argv, env) for d in dirs for name, (argv, env) in programs(d).items()]
for d, name, argv, env in jobs:  # warm the caches once
    run_once(argv, env)
samples = {(d, name): [] for d, name, _, _ in jobs}
for r in range(runs):
    shift = r % len(jobs)
    for d, name, argv, env in jobs[shift:] + jobs[:shift]:
        samples[(d, name)].append(run_once(argv, env))


peak = {(d, name): statistics.median(peak_mb(argv, env) for _ in range(3))
        for d, name, argv, env in jobs}


def median(d, name, i):
    return statistics.median(s[i] for s in samples[(d, name)])


print(f"median of {runs} alternating runs; wall and CPU (user + system) in ms, peak memory in MB")
for d in dirs:
    print(f"\n{d}")
    for name in programs(d):
        print(f"  {name:16} wall {median(d, name, 0):7.2f}  cpu {median(d, name, 1):7.2f}"
              f"  peak memory {peak[(d, name)]:5.1f}")
    for what, floor in (("cli board", "cli --version"), ("vorlash shown", "qt_label_floor")):
        print(f"  {what} / {floor}: wall {median(d, what, 0) / median(d, floor, 0):.2f}x"
              f"  cpu {median(d, what, 1) / median(d, floor, 1):.2f}x")
PY
