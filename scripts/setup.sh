#!/usr/bin/env bash
# Installs what the build needs (Debian packages) when something is missing,
# then configures and builds into ./build. Sourced by run.sh and test.sh.
set -euo pipefail

# The Chinese fonts: a Hei face that 黑体 maps to, a Song/Ming face that 宋体 maps to (its
# lines are as low as the screens' labels expect) and a Kai face that 楷体 maps to.
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-wqy-zenhei fonts-arphic-uming fonts-arphic-ukai libx11-dev)
# The test command also needs clang for the sanitizer and fuzz build.
packages+=(${BRANNOCK_EXTRA_PACKAGES:-})

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please run as root or install sudo." >&2; exit 1; }
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S "$root" -B "$build" -G Ninja -DBRANNOCK_WERROR=$werror "${BRANNOCK_CMAKE_ARGS[@]}" >/dev/null
jobs=$(nproc 2>/dev/null || echo 2)
cmake --build "$build" -j "$jobs" ${BRANNOCK_TARGETS:+--target $BRANNOCK_TARGETS}
