#!/usr/bin/env bash
# Builds Linewright and runs the whole job on the embedded sample
# installation, in a scratch folder under build/.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh

root="$PWD"
scratch="$root/build/sample-run"
kavo="$scratch/kavo"
work="$scratch/work"
rm -rf "$scratch"
mkdir -p "$work"
cp -R sample/kavo "$kavo"
cp build/sample/kavosim "$kavo/kavo.exe"

if [ "${1:-}" = "--gui" ]; then
  # The window takes its folders from the settings file in its working
  # folder; without a display it says so and prints its usage.
  printf '%s\n' "$kavo" "$kavo/railway/route" "$kavo/train" kavo.exe > "$work/linewright10_2.cfg"
  cd "$work"
  exec "$root/build/cli/linewright"
fi

route="${1:-$kavo/railway/route/Starter/starter.csv}"
train="${2:-Blue Arrow}"
lw="$root/build/cli/linewright"
folders=(--sim-folder "$kavo" --route-folder "$kavo/railway/route"
         --train-folder "$kavo/train" --sim-exe kavo.exe)

cd "$work"
echo "== Launch run: $route with train '$train'"
status=0
# The simulator is started detached and prints to the same output, so
# collect both and show them once it has written its report.
"$lw" generate --route "$route" --train "$train" --kind launch --seed 1 \
  --signals medium --alternative-chance 50 "${folders[@]}" > "$scratch/launch.out" || status=$?
if [ "$status" -eq 0 ]; then
  for _ in $(seq 1 50); do
    [ -f "$kavo/kavosim-report.txt" ] && break
    sleep 0.1
  done
  sleep 0.2
fi
cat "$scratch/launch.out"
# A chart run removes the written route, as every chart run does: keep a copy.
written="$kavo/railway/route/linewrighttemp.csv"
[ -f "$written" ] && cp "$written" "$scratch/linewrighttemp.csv"

echo "== Chart run"
chart_status=0
"$lw" generate --route "$route" --train "$train" --kind chart "${folders[@]}" || chart_status=$?

echo
echo "route:  $scratch/linewrighttemp.csv (the launch run's route; the chart run removed $written)"
echo "log:    $work/log.txt"
echo "chart:  $work/chart.html"
echo "config: $work/linewright10_2.cfg"
[ "$status" -eq 0 ] && [ "$chart_status" -eq 0 ]
