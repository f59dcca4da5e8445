#!/bin/sh
# Builds the Debian package from the test build, checks what it installs
# (desktop entries, metainfo, lintian), installs it on this machine, runs the
# installed programs with a temporary home, then removes the package again and
# checks that nothing of it is left. The package is removed even on failure.
set -eu
cd "$(dirname "$0")/.."
repo=$(pwd)
build=$repo/${BUILD_DIR:-build-test}
work=$(mktemp -d)
caption="ソルマー時刻表&ホテル情報"
at="2000-03-15 08:00"

remove_package() {
  if dpkg -s vorlash >/dev/null 2>&1; then apt-get remove --purge -y vorlash >/dev/null 2>&1; fi
}
cleanup() {
  remove_package || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
fail() {
  echo "test-package: $*" >&2
  exit 1
}

echo "-- build the package"
# Packing needs only the programs and their data, not the tests.
cmake -S . -B "$build" -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target vorlash vorlash-cli sample_data compressed_docs \
  >/dev/null
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/*.deb)

echo "-- check its contents"
dpkg-deb -x "$deb" "$work/tree"
for f in "$work"/tree/usr/share/applications/*.desktop; do desktop-file-validate "$f"; done
appstreamcli validate --no-net --explain "$work"/tree/usr/share/metainfo/*.metainfo.xml
lintian "$deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
if grep -q '^E:' "$work/lintian.txt"; then fail "lintian reports errors"; fi

echo "-- install it"
remove_package
real_home_before=$(ls -d "$HOME/.config/vorlash" "$HOME/.local/share/vorlash" 2>/dev/null || true)
apt-get install -y "$deb" >/dev/null 2>&1 || fail "apt-get install failed"
dpkg -L vorlash | while read -r f; do [ -f "$f" ] && echo "$f"; done | sort >"$work/files"
xargs md5sum <"$work/files" >"$work/sums.before"
find /usr/share/vorlash | sort >"$work/tree.before"

# Runs a command with the temporary home and no XDG variables of the caller.
mkdir -m 700 "$work/runtime"
as_user() {
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" "$@"
}

echo "-- vorlash-cli from /usr/bin"
as_user /usr/bin/vorlash-cli board --at "$at" >"$work/board.installed"
"$build/bin/vorlash-cli" board --dir "$build/bin" --at "$at" >"$work/board.build"
cmp -s "$work/board.installed" "$work/board.build" || {
  diff "$work/board.build" "$work/board.installed" || true
  fail "the installed vorlash-cli prints another board"
}

echo "-- each Edition from its desktop entry"
touch -d 2001-01-02 "$work/dated"
cat >"$work/run-entry.sh" <<'INNER'
# Inside the virtual display: start the Exec line, wait until the main window
# is the one window shown (the loading window comes and goes first), check
# that its window class is the entry's StartupWMClass and that it has an
# icon, then end it with Escape, which saves the settings. The settings file,
# copied at the start, is dated back first so that the saving shows.
exec_line=$1
caption=$2
settings=$3
wm_class=$4
$exec_line &
pid=$!
last=""
for _ in $(seq 60); do
  sleep 0.5
  ids=$(xdotool search --onlyvisible --name "$caption" 2>/dev/null || true)
  if [ -n "$ids" ] && [ "$ids" = "$last" ]; then break; fi
  last=$ids
done
[ -n "$last" ] || { kill "$pid"; echo "no main window" >&2; exit 1; }
window=$(echo "$last" | head -n 1)
shown_class=$(xprop -id "$window" -notype WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
if [ "$shown_class" != "$wm_class" ]; then
  kill "$pid"; echo "window class $shown_class, the entry says $wm_class" >&2; exit 1
fi
if ! xprop -id "$window" -notype _NET_WM_ICON | head -c 100 | grep -q '_NET_WM_ICON = '; then
  kill "$pid"; echo "the window has no icon" >&2; exit 1
fi
touch -d 2001-01-01 "$settings"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers Escape
for _ in $(seq 40); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$pid" 2>/dev/null; then kill "$pid"; echo "did not end on Escape" >&2; exit 1; fi
wait "$pid"
INNER
for entry in org.vorlash.vorlash:1:vorlash2 org.vorlash.vorlash.Edition2:2:vorlash3 \
  org.vorlash.vorlash.Edition3:3:vorlash4; do
  id=${entry%%:*}
  rest=${entry#*:}
  edition=${rest%%:*}
  ini=${rest#*:}.ini
  exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop")
  wm_class=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$id.desktop")
  [ -n "$wm_class" ] || fail "$id.desktop has no StartupWMClass"
  echo "   $exec_line ($wm_class)"
  settings="$work/home/.config/vorlash/edition$edition/$ini"
  as_user xvfb-run -a sh "$work/run-entry.sh" "$exec_line" "$caption" "$settings" "$wm_class" ||
    fail "Edition $edition did not start and end cleanly"
  [ -s "$settings" ] && [ "$settings" -nt "$work/dated" ] ||
    fail "the settings were not saved to $settings"
  [ -s "$work/home/.local/share/vorlash/edition$edition/hotelusr.csv" ] ||
    fail "no user hotels of Edition $edition"
done

echo "-- nothing under the prefix changed"
md5sum -c --quiet "$work/sums.before" || fail "installed files changed"
find /usr/share/vorlash | sort >"$work/tree.after"
cmp -s "$work/tree.before" "$work/tree.after" || fail "files appeared under /usr/share/vorlash"

echo "-- remove it"
apt-get remove --purge -y vorlash >/dev/null 2>&1 || fail "apt-get remove failed"
while read -r f; do [ ! -e "$f" ] || fail "$f is left after removal"; done <"$work/files"
[ ! -e /usr/share/vorlash ] || fail "/usr/share/vorlash is left after removal"
left=$(find /usr /etc /opt /var/lib -xdev -iname '*vorlash*' 2>/dev/null || true)
[ -z "$left" ] || fail "left after removal: $left"
real_home_after=$(ls -d "$HOME/.config/vorlash" "$HOME/.local/share/vorlash" 2>/dev/null || true)
[ "$real_home_before" = "$real_home_after" ] || fail "the real home folder was written"
echo "Package test passed."
