#!/usr/bin/env bash
# The Windows package and window checks of test-windows.sh, run inside its
# throwaway Wine prefix ($WINEPREFIX):
#   zip      the zip that CPack made, unpacked: linewright.exe --version,
#            and a create run with the signal system that lies beside it;
#   window   the Win32 window of the unpacked program on a virtual display
#            (Xvfb, a Wine desktop), driven from outside by
#            linewright_window_driver: lists, colours, every dialog, a
#            create run with the script's question, and a launch that
#            starts the stand-in simulator and closes the window. Every
#            window and dialog is photographed into SCREENSHOTS as PNG.
# Usage: windows-window.sh ROOT WINDOWS_BUILD WINE_LOADER SCREENSHOTS
# Prints "windows-window: N passed, N failed" last; exits 1 on any failure.
set -euo pipefail
root="$1"
out="$2"
wine_loader="$3"
screenshots="$4"

scratch="$(mktemp -d "${TMPDIR:-/tmp}/linewright-windows-window-XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
source "$root/scripts/check_counts.sh"
# The Windows name of a Linux path: Wine maps the root to Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

zip=$(ls "$out"/packages/linewright-*-windows-x64.zip 2>/dev/null | head -1)
if [ -z "$zip" ]; then
  fail "no Windows zip in $out/packages"
  echo "windows-window: $passed passed, $failed failed"
  exit 1
fi
echo "== The zip $(basename "$zip") ($(du -k "$zip" | cut -f1) KiB), unpacked"
unzip -q "$zip" -d "$scratch"
program_folder="$(ls -d "$scratch"/linewright-*-windows-x64)"
program="$program_folder/linewright.exe"
version=$(cd "$program_folder" && "$wine_loader" "$program" --version </dev/null 2>&1 | tr -d '\r')
if [ "$version" = "$(sed -n 's/^#define LINEWRIGHT_PRODUCT "\(.*\)"$/\1/p' "$out/generated/ui/version.h")" ]; then
  pass
else
  fail "linewright.exe --version from the zip said '$version'"
fi

# The sample installation at c:\kavo, the stand-in simulator as kavo.exe,
# without the turnout signs, which the first create run puts there.
kavo="$WINEPREFIX/drive_c/Kavo"
rm -rf "$kavo"
cp -R "$root/sample/kavo" "$kavo"
rm -rf "$kavo/railway/object/LINEWRIGHT"
cp "$out/sample/kavosim.exe" "$kavo/kavo.exe"
if (cd "$program_folder" && "$wine_loader" "$program" generate \
      --route 'c:\kavo\railway\route\Starter\starter.csv' --train 'Blue Arrow' --kind create --seed 1 \
      --signal-system 'Semaphore Arms' --sim-folder 'c:\kavo' --route-folder 'c:\kavo\railway\route' \
      --train-folder 'c:\kavo\train' --sim-exe kavo.exe </dev/null >"$scratch/create.txt" 2>&1) &&
   [ -f "$kavo/railway/route/linewrighttemp.csv" ] && [ -f "$kavo/railway/object/LINEWRIGHT/objs/turnout.gif" ]; then
  pass
else
  fail "a create run of the program from the zip"
  sed 's/^/    /' "$scratch/create.txt"
fi

echo "== The window under Wine on a virtual display"
# Wine's own fonts (the dialog font Tahoma, the caption buttons' Marlett)
# are found where Windows keeps fonts; Debian's Wine does not look for them
# where fonts-wine puts them.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
shots="$scratch/shots"
mkdir -p "$shots"
report="$kavo/kavosim-report.txt"
rm -f "$report"
# The settings the create run saved are the window's.
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" \
  "$wine_loader" explorer /desktop=linewright,900x640 "$out/tests/linewright_window_driver.exe" \
  "$(windows_path "$program")" "$(windows_path "$program_folder")" 'c:\kavo' "$(windows_path "$shots")" \
  </dev/null 2>"$scratch/driver-stderr.txt" | tr -d '\r' | tee "$scratch/driver.txt" || true
grep -q '^window: ' "$scratch/driver.txt" || sed 's/^/    /' "$scratch/driver-stderr.txt" | tail -20
add_counts "$scratch/driver.txt" window
if grep -qxF 'result: route accepted' "$report" 2>/dev/null; then
  pass
else
  fail "the launch from the window: the simulator accepted no route"
fi

mkdir -p "$screenshots"
for bmp in "$shots"/*.bmp; do
  [ -f "$bmp" ] || continue
  python3 "$root/scripts/bmp_to_png.py" "$bmp" "$screenshots/$(basename "${bmp%.bmp}").png"
done
echo "screenshots in $screenshots"
echo "windows-window: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
