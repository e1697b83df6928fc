#!/usr/bin/env bash
# Starts the program from a build folder: on the current display, or under Xvfb without one.
# The program writes its log into its application-data folder; the path is printed first.
set -euo pipefail
build=${1:-build}
exe="$build/ov4800"
if [ ! -x "$exe" ]; then
  echo "No program at $exe: build it first (make build)." >&2
  exit 1
fi
# Organisation and application name of the brand the program starts with.
data_home=${XDG_DATA_HOME:-$HOME/.local/share}
echo "Log: $data_home/Tavrel-FSX/KV1300-01/ov4800.log"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting under Xvfb."
  exec xvfb-run -a "$exe"
fi
exec "$exe"
