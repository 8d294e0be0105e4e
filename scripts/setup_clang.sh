#!/usr/bin/env bash
# Installs clang and its sanitizer and libFuzzer runtimes (Debian packages)
# for the fuzz and sanitizer builds.
set -euo pipefail
need=()
command -v clang++ >/dev/null 2>&1 || need+=(clang)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "ok installed" ||
  need+=(libclang-rt-14-dev)
command -v cmake >/dev/null 2>&1 || need+=(cmake)
command -v make >/dev/null 2>&1 || need+=(make)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
if [ ${#need[@]} -gt 0 ]; then
  sudo_if_needed=()
  [ "$(id -u)" -eq 0 ] || sudo_if_needed=(sudo)
  echo "Installing: ${need[*]}"
  "${sudo_if_needed[@]}" apt-get update -qq
  "${sudo_if_needed[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}"
fi
