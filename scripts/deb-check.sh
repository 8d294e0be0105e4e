#!/usr/bin/env bash
# Checks the Debian package as a player gets it: unpacked into a scratch
# root with dpkg -x, its files are where they belong, and the program runs
# from there: --version, a create run over the sample installation with
# the sample signal system it brings, and the window's launcher, which
# makes the player's working folder.
# Usage: deb-check.sh ROOT DEB
# Prints "deb: N passed, N failed" last; exits 1 on any failure.
set -euo pipefail
root="$1"
deb="$2"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/linewright-deb-check-XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
source "$root/scripts/check_counts.sh"
check() {  # check LABEL COMMAND...
  local label="$1"
  shift
  if "$@"; then pass; else fail "$label"; fi
}

echo "== $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB) unpacked into a scratch root"
installed="$scratch/root"
dpkg -x "$deb" "$installed"
for file in usr/bin/linewright usr/bin/linewright-window usr/share/applications/linewright.desktop \
            usr/share/icons/hicolor/48x48/apps/linewright.png usr/share/icons/hicolor/256x256/apps/linewright.png \
            usr/share/linewright/sigsys/Semaphore/sigsys.txt usr/share/linewright/object/LINEWRIGHT/objs/turnout.gif \
            usr/share/doc/linewright/CHANGELOG.md; do
  check "the package lacks /$file" test -e "$installed/$file"
done
product=$(sed -n 's/^#define LINEWRIGHT_PRODUCT "\(.*\)"$/\1/p' "$root/build/generated/ui/version.h")
number=$(sed -n 's/^#define LINEWRIGHT_VERSION_DOTTED "\(.*\)"$/\1/p' "$root/build/generated/ui/version.h")
check "the package's version is not $number" test "$(dpkg-deb -f "$deb" Version)" = "$number"
check "the package does not depend on Qt" grep -q libqt6widgets6 <<<"$(dpkg-deb -f "$deb" Depends)"
version=$("$installed/usr/bin/linewright" --version 2>&1 || true)
check "linewright --version said '$version'" test "$version" = "$product"

kavo="$scratch/kavo"
cp -R "$root/sample/kavo" "$kavo"
rm -rf "$kavo/railway/object/LINEWRIGHT"
mkdir -p "$scratch/work"
cp -R "$installed/usr/share/linewright/sigsys/." "$scratch/work/"
if (cd "$scratch/work" && "$installed/usr/bin/linewright" generate --route "$kavo/railway/route/Starter/starter.csv" \
      --train 'Blue Arrow' --kind create --seed 1 --signal-system 'Semaphore Arms' --sim-folder "$kavo" \
      --route-folder "$kavo/railway/route" --train-folder "$kavo/train" --sim-exe kavo.exe \
      </dev/null >"$scratch/create.txt" 2>&1) && [ -f "$kavo/railway/route/linewrighttemp.csv" ]; then
  pass
else
  fail "a create run of the installed program"
  sed 's/^/    /' "$scratch/create.txt"
fi

# Without a display the window cannot open, but the working folder is made
# with the package's signal system in it.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME HOME="$scratch/home" \
  "$installed/usr/bin/linewright-window" </dev/null >"$scratch/window.txt" 2>&1 || status=$?
check "linewright-window without a display ended with $status" test "$status" -eq 2
check "linewright-window did not make the working folder with the signal system" \
  test -f "$scratch/home/.local/share/linewright/Semaphore/sigsys.txt"

echo "deb: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
