#!/bin/sh
# The Windows desktop program run for real under wine on a virtual X display
# (Xvfb), as a user gets it:
# - each portable zip unpacks to a folder whose vorlash.exe shows the main
#   window (a screenshot of Edition 1's is kept), and a search 東京→新大阪
#   started with the mouse and the keyboard shows the results window (kept
#   too);
# - closed with its close box, the program writes the same SettingsFile as
#   the Linux program does for the same start and close;
# - the installer installs silently, the installed Edition 1 starts from its
#   Start-menu shortcut and makes the user's folder under %APPDATA%, and the
#   uninstaller leaves nothing under Program Files, in the Start menu or in
#   the registry, but keeps the user's files.
#
#   sh scripts/test-windows-desktop.sh PACKAGE_DIR NATIVE_BUILD SCREENSHOT_DIR
set -e
cd "$(dirname "$0")/.."
packages=$1
native=$2
shots=$3
version=$(sed -n 's/^project(vorlash VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
title="ソルマー時刻表&ホテル情報"
mkdir -p "$shots"

work=$(mktemp -d)
WINEPREFIX=$work/wine
WINEDEBUG=-all
# No offer to install wine's .NET and HTML engines: on a display it would wait for an answer.
WINEDLLOVERRIDES=mscoree,mshtml=
# A Japanese Windows: wine takes its display language from the locale, which
# needs to exist; it is compiled into the work folder, not installed.
mkdir -p "$work/locale"
localedef -i ja_JP -f UTF-8 "$work/locale/ja_JP.UTF-8" 2>/dev/null ||
  [ -f "$work/locale/ja_JP.UTF-8/LC_CTYPE" ]
LOCPATH=$work/locale
LC_ALL=ja_JP.UTF-8
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES LOCPATH LC_ALL
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.2; done
DISPLAY=:$(cat "$work/display")
export DISPLAY
wineboot -i >/dev/null 2>&1

# Waits up to a minute for a shown window titled $1 that stays for three
# seconds (the loading window before the main window bears the same title);
# prints its id.
shown_window() {
  last=
  same=0
  for _ in $(seq 60); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ] && [ "$id" = "$last" ]; then same=$((same + 1)); else same=0; fi
    last=$id
    if [ "$same" = 3 ]; then
      echo "$id"
      return 0
    fi
    sleep 1
  done
  echo "no window titled $1" >&2
  return 1
}
main_window() { shown_window "$title"; }

# Closes a started program's main window with its close box and checks the
# program ends with status 0.
close_and_wait() {  # window, pid
  python3 scripts/close-window.py "$1"
  for _ in $(seq 120); do
    kill -0 "$2" 2>/dev/null || break
    sleep 0.5
  done
  if kill -0 "$2" 2>/dev/null; then
    echo "the program did not end within a minute of its window closing" >&2
    kill "$2"
    return 1
  fi
  status=0
  wait "$2" || status=$?
  if [ "$status" != 0 ]; then
    echo "the program ended with status $status" >&2
    cat "$work/run.log"
    return 1
  fi
}

# Starts a program in the background, waits for its main window, keeps a
# screenshot when named, closes the window with its close box and checks the
# program ends with status 0.
run_and_close() {  # screenshot name or "", then the command
  shot=$1
  shift
  "$@" >"$work/run.log" 2>&1 &
  pid=$!
  window=$(main_window) || { cat "$work/run.log"; return 1; }
  sleep 2  # the first paint
  if [ -n "$shot" ]; then
    import -window "$window" "$shots/$shot.png"
    echo "screenshot: $shots/$shot.png"
  fi
  close_and_wait "$window" "$pid"
}

echo "-- Portable zips"
for edition in 1 2 3; do
  name=vorlash-$version-edition$edition
  unzip -q "$packages/$name.zip" -d "$work/portable"
  shot=""
  [ "$edition" = 1 ] && shot=main-window-windows
  run_and_close "$shot" wine "$work/portable/$name/vorlash.exe"
  echo "Edition $edition: the unpacked folder runs"
done

echo "-- A search, by mouse and keyboard"
# In a copy of its own, since the search changes the SettingsFile. The search
# window opens with the SettingsFile's conditions, 東京→新大阪; Enter in each
# of its eleven boxes moves on, the twelfth presses 検索開始. With no window
# manager, keys go to the window under the pointer.
unzip -q "$packages/vorlash-$version-edition1.zip" -d "$work/search"
wine "$work/search/vorlash-$version-edition1/vorlash.exe" >"$work/run.log" 2>&1 &
pid=$!
window=$(main_window) || { cat "$work/run.log"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" 60 $((HEIGHT - 25)) click 1  # 新幹線検索
search=$(shown_window 新幹線の検索)
xdotool mousemove --window "$search" 5 5
for _ in $(seq 12); do
  xdotool key Return
  sleep 0.3
done
results=$(shown_window 新幹線検索結果)
import -window "$results" "$shots/results-window-windows.png"
echo "screenshot: $shots/results-window-windows.png"
python3 scripts/close-window.py "$results"
close_and_wait "$window" "$pid"
echo "the results window showed"

echo "-- SettingsFile on exit, Windows against Linux"
mkdir -p "$work/linux"
cp "$native/bin/vorlash" "$native/bin/vorlashj.dat" "$native/bin/vorlash2.ini" \
  "$native/bin/hotelusr.csv" "$native/bin/vorlash2.html" "$work/linux/"
touch "$work/started"
sleep 1  # file times are compared against the marker
QT_QPA_PLATFORM=xcb run_and_close "" "$work/linux/vorlash"
windows_ini=$work/portable/vorlash-$version-edition1/vorlash2.ini
run_and_close "" wine "$work/portable/vorlash-$version-edition1/vorlash.exe"
for ini in "$windows_ini" "$work/linux/vorlash2.ini"; do
  if [ -z "$(find "$ini" -newer "$work/started")" ]; then
    echo "$ini was not written on exit" >&2
    exit 1
  fi
done
if ! cmp -s "$windows_ini" "$work/linux/vorlash2.ini"; then
  echo "the SettingsFiles differ:" >&2
  diff "$work/linux/vorlash2.ini" "$windows_ini" | head -n 20 >&2
  exit 1
fi
echo "same: vorlash2.ini written on exit ($(wc -c <"$windows_ini") bytes)"

echo "-- Installer"
installed="$WINEPREFIX/drive_c/Program Files/vorlash"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ソルマー時刻表"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\vorlash'
wine "$packages/vorlash-$version-setup.exe" /S
wineserver -w
for edition in 1 2 3; do
  [ -f "$installed/share/vorlash/edition$edition/vorlashj.dat" ]
done
[ -f "$installed/bin/vorlash.exe" ]
[ "$(find "$menu" -name '*.lnk' | wc -l)" = 3 ]
wine reg query "$key" /reg:64 >/dev/null
lnk="C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\ソルマー時刻表\\ソルマー時刻表（東海道・山陽新幹線編）＆ホテル情報.lnk"
run_and_close "" wine start /wait "$lnk"
wineserver -w  # a shortcut's program is not start's child: wait for every process to end
appdata=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Roaming/vorlash/edition1' -type d)
[ -f "$appdata/vorlash2.ini" ]
[ -f "$appdata/hotelusr.csv" ]
echo "installed; Edition 1 started from its shortcut and made $appdata"
wine "C:\\Program Files\\vorlash\\uninstall.exe" /S
wineserver -w
if [ -e "$installed" ] || [ -e "$menu" ] || wine reg query "$key" /reg:64 >/dev/null 2>&1; then
  echo "the uninstaller left files, shortcuts or its registry entry behind" >&2
  exit 1
fi
[ -f "$appdata/vorlash2.ini" ]
echo "uninstalled: nothing left under Program Files; the user's files stay"
