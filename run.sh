#!/usr/bin/env bash
# Installs what is missing, builds, writes the sample installation and starts the trainer on it.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
BRANNOCK_CMAKE_ARGS=(-DBRANNOCK_TESTS=OFF -DBRANNOCK_BENCH=OFF)
source "$root/scripts/setup.sh"

bin="$root/build/bin"
if [ -x "$bin/sample_gen" ]; then
  "$bin/sample_gen" "$bin"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Start the trainer under a virtual display instead:" >&2
  echo "  apt-get install -y xvfb && xvfb-run -s '-screen 0 1024x768x24' ./run.sh" >&2
  exit 1
fi
cd "$bin"
exec ./brannock
