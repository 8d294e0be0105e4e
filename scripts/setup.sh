#!/usr/bin/env bash
# Installs what the build needs (Debian packages only) and builds into
# build/. Sourced by run.sh and test.sh.
set -euo pipefail

need=()
command -v cmake >/dev/null 2>&1 || need+=(cmake)
command -v g++ >/dev/null 2>&1 || need+=(g++)
command -v make >/dev/null 2>&1 || need+=(make)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
# The desktop window (optional): Qt 6 Widgets, its platform plugins (the
# offscreen one runs the widget tests and the screenshots without a
# display) and a font with the Hungarian letters.
gui=()
for package in qt6-base-dev qt6-qpa-plugins fonts-dejavu-core; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || gui+=("$package")
done
sudo_if_needed=()
[ "$(id -u)" -eq 0 ] || sudo_if_needed=(sudo)
if [ ${#need[@]} -gt 0 ] || [ ${#gui[@]} -gt 0 ]; then
  "${sudo_if_needed[@]}" apt-get update -qq
fi
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  "${sudo_if_needed[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
fi
if [ ${#gui[@]} -gt 0 ]; then
  echo "Installing for the desktop window: ${gui[*]}"
  "${sudo_if_needed[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${gui[@]}" ||
    echo "Could not install ${gui[*]}: building without the desktop window."
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINEWRIGHT_BUILD_GUI=ON >/dev/null
cmake --build "$root/build" -j 2
