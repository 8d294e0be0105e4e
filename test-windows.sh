#!/usr/bin/env bash
# Cross-builds Linewright for Windows with mingw-w64 and tests it under
# Wine: the unit tests, a launch run over the sample installation, the
# same outputs on Linux and Windows for every sample route, the Windows
# simulator started through Wine from the Linux program, and the zip with
# its Win32 window on a virtual display.
#
#   ./test-windows.sh            everything
#   ./test-windows.sh build      only install and cross-build
#   ./test-windows.sh unit       cross-build and run the unit tests
#   ./test-windows.sh compare    cross-build and compare the outputs
#   ./test-windows.sh wine       cross-build and start the simulator through Wine
#   ./test-windows.sh window     cross-build, pack the zip, and test it and its
#                                window (screenshots in build-windows/screenshots)
set -euo pipefail
cd "$(dirname "$0")"
root="$PWD"
what="${1:-all}"
case "$what" in
  all | build | unit | compare | wine | window) ;;
  *)
    echo "usage: $0 [all|build|unit|compare|wine|window]" >&2
    exit 2
    ;;
esac

wine_loader=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
mingw=x86_64-w64-mingw32-g++-posix

need=()
command -v "$mingw" >/dev/null 2>&1 || need+=(g++-mingw-w64-x86-64-posix)
[ -x "$wine_loader" ] || need+=(wine64)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
# The window's checks: a virtual display, and Wine's own fonts (the dialog
# font and the caption buttons' symbols).
command -v xvfb-run >/dev/null 2>&1 || need+=(xvfb)
command -v xauth >/dev/null 2>&1 || need+=(xauth)
[ -f /usr/share/wine/fonts/tahoma.ttf ] || need+=(fonts-wine)
command -v unzip >/dev/null 2>&1 || need+=(unzip)
command -v python3 >/dev/null 2>&1 || need+=(python3)
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# The Linux build: the comparison and the Wine launch use its program.
bash scripts/setup.sh

toolchain="$root/cmake/mingw-w64-x86_64.cmake"
out="$root/build-windows"
gtest_prefix="$out/googletest"
if [ ! -f "$gtest_prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== Cross-building GoogleTest (${SECONDS}s in)"
  cmake -S /usr/src/googletest -B "$out/googletest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON \
    -DCMAKE_INSTALL_PREFIX="$gtest_prefix" >/dev/null
  cmake --build "$out/googletest-build" -j 2 >/dev/null
  cmake --install "$out/googletest-build" >/dev/null
fi

echo "== Cross-building Linewright (${SECONDS}s in)"
cmake -S "$root" -B "$out" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGTest_DIR="$gtest_prefix/lib/cmake/GTest" >/dev/null
cmake --build "$out" -j 2 --target linewright kavosim linewright_tests linewright_window_driver
[ "$what" = build ] && exit 0
if [ "$what" = all ] || [ "$what" = window ]; then
  echo "== Packing the zip (${SECONDS}s in)"
  # CPack alone: the programs the zip holds are built above.
  (cd "$out" && cpack -G ZIP >/dev/null)
fi

# A throwaway Wine prefix, gone when the script ends.
WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/linewright-wine-XXXXXX")"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
echo "== Preparing the Wine prefix $WINEPREFIX (${SECONDS}s in)"
# One Wine server for the whole script: a server that is shutting down as
# the next program starts drops it ("recvmsg: Connection reset by peer").
"$wineserver" -p
"$wine_loader" wineboot --init >/dev/null 2>&1 || true

source "$root/scripts/check_counts.sh"
status=0
if [ "$what" = all ] || [ "$what" = unit ]; then
  echo "== Unit tests under Wine (${SECONDS}s in)"
  # Windows programs end their lines with CR LF.
  "$wine_loader" "$out/tests/linewright_tests.exe" --gtest_brief=1 2>&1 | tr -d '\r' |
    tee "$out/unit-tests.log" || status=1
  n=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\./\1/p' "$out/unit-tests.log")
  passed=$((passed + ${n:-0}))
  # Brief output lists each failed test once, with its time.
  n=$(grep -c '^\[  FAILED  \] .* ([0-9]* ms)$' "$out/unit-tests.log" || true)
  failed=$((failed + n))
  if [ "$status" -ne 0 ] && [ "$n" -eq 0 ]; then failed=$((failed + 1)); fi
fi
if [ "$what" = all ] || [ "$what" = compare ] || [ "$what" = wine ]; then
  echo "== Whole-program runs (${SECONDS}s in)"
  bash "$root/scripts/windows-runs.sh" "$what" "$root" "$out" "$wine_loader" 2>&1 |
    tee "$out/runs.log" || status=1
  add_counts "$out/runs.log" windows-runs
fi
if [ "$what" = all ] || [ "$what" = window ]; then
  echo "== The zip and its window (${SECONDS}s in)"
  bash "$root/scripts/windows-window.sh" "$root" "$out" "$wine_loader" "$out/screenshots" 2>&1 |
    tee "$out/window.log" || status=1
  add_counts "$out/window.log" windows-window
fi
echo "test-windows.sh took ${SECONDS}s"
echo "windows: $passed passed, $failed failed"
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ]
