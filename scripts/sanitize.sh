#!/usr/bin/env bash
# The memory checks: every test built with AddressSanitizer and UndefinedBehaviorSanitizer (clang),
# any report failing the run, and a short run of each fuzz target on seeds from the sample
# installation. Called by test.sh after the ordinary build; FUZZ_SECONDS sets the fuzz runs' length.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-san"
flags="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
werror=OFF
[ -n "${CI:-}" ] && werror=ON
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRANNOCK_WERROR=$werror \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DBRANNOCK_TESTS=ON -DBRANNOCK_BENCH=OFF -DBRANNOCK_FUZZ=ON -DBRANNOCK_FUZZ_SECONDS="${FUZZ_SECONDS:-5}" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)"
cd "$build"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
# The layer check configures the tree in a folder of its own and runs nothing built here: the
# ordinary run has checked it already.
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" -E '^layers(_self_test)?$'
