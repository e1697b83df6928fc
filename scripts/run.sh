#!/usr/bin/env bash
# Starts the program from a build folder: on the current display, or under Xvfb without one.
set -euo pipefail
build=${1:-build}
exe="$build/ov4800"
if [ ! -x "$exe" ]; then
  echo "The panel-data library and its tests are built; the program itself is not part of this build yet."
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting under Xvfb."
  exec xvfb-run -a "$exe"
fi
exec "$exe"
