#!/bin/sh
# Installs what is missing, builds, and starts the program on the bundled
# sample data (Edition 1). Without a display it shows the departure board in
# the terminal instead.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target vorlash vorlash-cli sample_data
if [ -x build/bin/vorlash ] && { [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; }; then
  exec build/bin/vorlash
fi
if [ -x build/bin/vorlash ]; then
  echo "No display is available (DISPLAY is not set): showing the departure board in the terminal."
  echo "To see the windows, run this under a desktop session, or: xvfb-run -a build/bin/vorlash"
fi
exec build/bin/vorlash-cli board
