#!/usr/bin/env bash
# The whole-program checks of test-windows.sh, run inside its throwaway
# Wine prefix ($WINEPREFIX):
#   launch   the Windows program over the sample under Wine, starting the
#            Windows stand-in simulator with CreateProcessA;
#   compare  the same seed gives the same linewright.tmp, route, chart and
#            configuration on Linux and on Windows, for every sample route
#            and every option set below;
#   wine     the Linux program starts the Windows stand-in simulator
#            through Wine, found with drive-letter folder settings.
# Usage: windows-runs.sh all|compare|wine ROOT WINDOWS_BUILD WINE_LOADER
# ("all" runs the three, the others one each; launch runs only with all).
# Prints "windows-runs: N passed, N failed" last; exits 1 on any failure.
set -euo pipefail
what="$1"
root="$2"
out="$3"
wine_loader="$4"

linux_lw="$root/build/cli/linewright"
windows_lw="$out/cli/linewright.exe"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/linewright-windows-runs-XXXXXX")"
trap 'rm -rf "$scratch"' EXIT

# The sample installation inside the prefix, reached as c:\kavo on both
# sides (the folder's own letter case differs on purpose).
kavo="$WINEPREFIX/drive_c/Kavo"
rm -rf "$kavo"
cp -R "$root/sample/kavo" "$kavo"
cp "$out/sample/kavosim.exe" "$kavo/kavo.exe"
folders=(--sim-folder 'c:\kavo' --route-folder 'c:\kavo\railway\route'
         --train-folder 'c:\kavo\train' --sim-exe kavo.exe)
report="$kavo/kavosim-report.txt"

source "$root/scripts/check_counts.sh"

# Waits up to 60 s for the stand-in simulator's report to be complete.
wait_for_report() {
  for _ in $(seq 1 600); do
    grep -q '^exit status:' "$report" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# check_report WHAT LINE...: every LINE is in the report.
check_report() {
  local label="$1"
  shift
  if ! wait_for_report; then
    fail "$label: the simulator wrote no report"
    return
  fi
  local line
  for line in "$@"; do
    if ! grep -qxF -- "$line" "$report"; then
      fail "$label: the report lacks '$line'"
      sed 's/^/    /' "$report"
      return
    fi
  done
  pass
}

# A working folder with the sample's signal system Semaphore Arms.
new_work() {
  rm -rf "$1"
  mkdir -p "$1"
  cp -R "$root/sample/sigsys/." "$1/"
}

# The simulator's signal bitmap is its own (else exchanged).
own_signals() { cmp -s "$kavo/signal1.bmp" "$root/sample/kavo/signal1.bmp"; }

if [ "$what" = all ]; then
  echo "== Launch run of the Windows program under Wine"
  new_work "$scratch/launch"
  rm -f "$report"
  if (cd "$scratch/launch" && "$wine_loader" "$windows_lw" generate \
        --route 'c:\kavo\railway\route\Starter\starter.csv' --train 'Blue Arrow' --kind launch \
        --seed 1 --signals medium --alternative-chance 50 --signal-system 'Semaphore Arms' \
        "${folders[@]}" </dev/null >"$scratch/launch/out.txt" 2>&1); then
    check_report "Windows launch" 'route: c:\kavo\railway\route\linewrighttemp.csv' \
      'developer mode: off' 'train folder: Blue Arrow' 'warnings: 0' 'result: route accepted'
  else
    fail "Windows launch: linewright.exe failed"
    sed 's/^/    /' "$scratch/launch/out.txt"
  fi
  # The launch exchanged the signal bitmaps; the next run puts them back.
  if own_signals; then fail "Windows launch: the signal bitmaps were not exchanged"; else pass; fi
  (cd "$scratch/launch" && "$wine_loader" "$windows_lw" generate \
     --route 'c:\kavo\railway\route\Starter\starter.csv' --train 'Blue Arrow' --kind create \
     </dev/null >"$scratch/launch/out2.txt" 2>&1) || true
  if own_signals && [ ! -e "$scratch/launch/sigswap.linewright" ]; then
    pass
  else
    fail "Windows create run after the launch: the signal bitmaps were not put back"
    sed 's/^/    /' "$scratch/launch/out2.txt"
  fi
fi

if [ "$what" = all ] || [ "$what" = compare ]; then
  echo "== The same outputs on Linux and on Windows"
  # The start option sets the tests and run.sh use, each with its seed,
  # and a few more.
  every_option="--adhesion random --alternative-chance 100 --start-time 16.30 --tilting
    --signal-distances --random-track-quality --random-dwell --random-traffic --random-start
    --loose-timetable --developer-mode"
  option_sets=(
    "--seed 20"
    "--seed 1 --signals medium --alternative-chance 50 --signal-system 'Semaphore Arms'"
    "--seed 3 --alternative-chance 100"
    "--seed 77 --signals mild --static-trains keep $every_option"
    "--seed 77 --signals medium --static-trains remove --signal-system 'Semaphore Arms' $every_option"
    "--seed 77 --signals strong --static-trains move $every_option"
    "--seed 7 --signals strong --adhesion bad --static-trains remove --alternative-chance 80
     --timetable random --show-errors --choice yes"
    "--seed 12 --adhesion good --timetable default --signal-system 'Kavo Default'"
  )
  routes=()
  while IFS= read -r -d '' route; do
    routes+=("${route#"$root/sample/kavo/railway/route/"}")
  done < <(find "$root/sample/kavo/railway/route" -type f \
             \( -iname '*.csv' -o -iname '*.rw' -o -iname '*.scr' \) -print0 | sort -z)
  compared=0
  for route in "${routes[@]}"; do
    windows_route='c:\kavo\railway\route\'"${route//\//\\}"
    for set_index in "${!option_sets[@]}"; do
      eval "options=(${option_sets[$set_index]})"
      for kind in create chart; do
        label="$route, option set $((set_index + 1)), $kind"
        for side in linux windows; do
          work="$scratch/compare/$side"
          new_work "$work"
          rm -f "$kavo/railway/route/linewrighttemp.csv"
          status=0
          if [ "$side" = linux ]; then
            (cd "$work" && "$linux_lw" generate --route "$kavo/railway/route/$route" \
               --train 'Red Hauler' --kind "$kind" "${options[@]}" "${folders[@]}" \
               </dev/null >"$work/stdout" 2>"$work/stderr") || status=$?
          else
            for attempt in 1 2; do
              status=0
              (cd "$work" && "$wine_loader" "$windows_lw" generate --route "$windows_route" \
                 --train 'Red Hauler' --kind "$kind" "${options[@]}" "${folders[@]}" \
                 </dev/null >"$work/stdout" 2>"$work/stderr") || status=$?
              # Wine itself, not the program, failed now and then: say so
              # and try once more.
              grep -q '^wine' "$work/stderr" || break
              echo "note: $label: Wine failed to run the program ($(head -1 "$work/stderr"))"
            done
          fi
          echo "$status" >"$work/status"
          [ -f "$kavo/railway/route/linewrighttemp.csv" ] &&
            cp "$kavo/railway/route/linewrighttemp.csv" "$work/route.csv"
        done
        files=(linewright.tmp linewright10_2.cfg)
        if [ "$kind" = create ]; then files+=(route.csv); else files+=(chart.html); fi
        same=1
        for f in "${files[@]}"; do
          l="$scratch/compare/linux/$f"
          w="$scratch/compare/windows/$f"
          if [ ! -f "$l" ] || [ ! -f "$w" ]; then
            fail "$label: $f missing (linux: $([ -f "$l" ] && echo yes || echo no)," \
                 "windows: $([ -f "$w" ] && echo yes || echo no))"
            for side in linux windows; do
              echo "    $side: exit status $(cat "$scratch/compare/$side/status")"
              sed 's/^/    /' "$scratch/compare/$side/stdout" "$scratch/compare/$side/stderr"
            done
            same=0
          elif ! cmp -s "$l" "$w"; then
            fail "$label: $f differs between Linux and Windows"
            cmp "$l" "$w" | sed 's/^/    /' || true
            same=0
          fi
        done
        [ "$same" -eq 1 ] && pass
        compared=$((compared + 1))
      done
    done
  done
  echo "compared $compared runs (${#routes[@]} routes, ${#option_sets[@]} option sets, create and chart)"
fi

if [ "$what" = all ] || [ "$what" = wine ]; then
  echo "== The Windows simulator started through Wine from Linux"
  # The default runner is "wine"; Debian's wine64 alone installs only the
  # loader, so stand one in under that name when there is none.
  if ! command -v wine >/dev/null 2>&1; then
    mkdir -p "$scratch/bin"
    printf '#!/bin/sh\nexec "%s" "$@"\n' "$wine_loader" >"$scratch/bin/wine"
    chmod +x "$scratch/bin/wine"
    export PATH="$scratch/bin:$PATH"
  fi
  mkdir -p "$scratch/wine"
  rm -f "$report"
  if (cd "$scratch/wine" && "$linux_lw" generate --route "$kavo/railway/route/Starter/starter.scr" \
        --train 'Blue Arrow' --kind launch --seed 5 --developer-mode "${folders[@]}" \
        </dev/null >"$scratch/wine/out.txt" 2>&1); then
    check_report "Wine launch" 'route: C:\Kavo\railway\route\linewrighttemp.csv' \
      'developer mode: on' 'developer id: 40372958' 'train folder: Blue Arrow' 'warnings: 0' \
      'result: route accepted'
    if grep -qF "starting $kavo/kavo.exe \"$kavo/railway/route/linewrighttemp.csv\" /d=40372958" \
         "$scratch/wine/log.txt"; then
      pass
    else
      fail "Wine launch: log.txt lacks the simulator's command line"
      sed 's/^/    /' "$scratch/wine/log.txt"
    fi
  else
    fail "Wine launch: linewright failed"
    sed 's/^/    /' "$scratch/wine/out.txt"
  fi
fi

echo "windows-runs: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
