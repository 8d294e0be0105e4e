#!/usr/bin/env bash
# Configures the sanitized build in build-sanitized/: clang with
# AddressSanitizer and UndefinedBehaviorSanitizer (any report ends the
# program), libFuzzer's coverage hooks, the tests and the fuzz targets; no
# desktop window. fuzz.sh and scripts/sanitized_tests.sh build in it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup_clang.sh"
build="$root/build-sanitized"
flags="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer"
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" -DLINEWRIGHT_BUILD_FUZZERS=ON -DLINEWRIGHT_BUILD_TESTS=ON \
    -DLINEWRIGHT_BUILD_GUI=OFF >/dev/null
fi
