#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, then the memory checks.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
BRANNOCK_CMAKE_ARGS=(-DBRANNOCK_TESTS=ON -DBRANNOCK_BENCH=ON)
BRANNOCK_EXTRA_PACKAGES="clang libclang-rt-dev"
source "$root/scripts/setup.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets' short runs.
"$root/scripts/sanitize.sh"
