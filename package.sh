#!/usr/bin/env bash
# Builds the two packages a player installs, with one command, into
# packages/:
#   linewright_VERSION_amd64.deb           Linux: the command line, the Qt
#                                          window, its desktop entry and icon
#   linewright-VERSION-windows-x64.zip     Windows: linewright.exe with the
#                                          Win32 window and the command line
# both with the sample signal system, the turnout signs and a read-me. It
# builds the Linux program (scripts/setup.sh) and the Windows one
# (./test-windows.sh build), runs CPack in each build (the target
# "package"), and checks the Debian package installed into a scratch root
# (scripts/deb-check.sh). ./test-windows.sh window checks the zip under Wine.
set -euo pipefail
cd "$(dirname "$0")"
root="$PWD"

# dpkg-shlibdeps finds the Debian package's dependencies.
if ! command -v dpkg-shlibdeps >/dev/null 2>&1; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends dpkg-dev >/dev/null
fi

echo "== The Linux package (${SECONDS}s in)"
bash scripts/setup.sh
cmake --build build --target package -j 2 >/dev/null
echo "== The Windows package (${SECONDS}s in)"
./test-windows.sh build
cmake --build build-windows --target package -j 2 >/dev/null

mkdir -p packages
rm -f packages/linewright*
cp build/packages/linewright_*.deb build-windows/packages/linewright-*-windows-x64.zip packages/
ls -l packages
bash scripts/deb-check.sh "$root" packages/linewright_*.deb
echo "package.sh took ${SECONDS}s"
