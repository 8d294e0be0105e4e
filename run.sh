#!/usr/bin/env bash
# Builds Linewright and runs the whole job on the embedded sample
# installation, in a scratch folder under build/.
#   ./run.sh [ROUTE [TRAIN]]   ROUTE may be relative to where it is called.
set -euo pipefail
caller="$PWD"
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
# Signal systems live in the working folder: the sample's Semaphore Arms.
cp -R sample/sigsys/. "$work/"

if [ "${1:-}" = "--gui" ]; then
  # The window takes its folders from the settings file in its working
  # folder; without a display it says so and prints its usage.
  printf '%s\n' "$kavo" "$kavo/railway/route" "$kavo/train" kavo.exe > "$work/linewright10_2.cfg"
  cd "$work"
  exec "$root/build/cli/linewright"
fi

route="${1:-$kavo/railway/route/Starter/starter.csv}"
case "$route" in
  /*) ;;
  *) route="$caller/$route" ;;
esac
train="${2:-Blue Arrow}"
lw="$root/build/cli/linewright"
folders=(--sim-folder "$kavo" --route-folder "$kavo/railway/route"
         --train-folder "$kavo/train" --sim-exe kavo.exe)

# Whose signal bitmaps the simulator folder holds.
signals() {
  if cmp -s "$kavo/signal1.bmp" "$root/sample/kavo/signal1.bmp"; then
    echo "the simulator's own"
  else
    echo "exchanged with $(cat "$work/sigswap.linewright" 2>/dev/null || echo '?')"
  fi
}

# Prints "label: path" only for a file the runs made.
show() {
  [ -e "$2" ] && printf '%-12s %s\n' "$1:" "$2"
  return 0
}

cd "$work"
echo "== Launch run: $route with train '$train', signal system Semaphore Arms"
status=0
# The simulator is started detached and prints to the same output, so
# collect both and show them once it has written its report.
"$lw" generate --route "$route" --train "$train" --kind launch --seed 1 \
  --signals medium --alternative-chance 50 --signal-system "Semaphore Arms" \
  "${folders[@]}" > "$scratch/launch.out" || status=$?
if [ "$status" -eq 0 ]; then
  for _ in $(seq 1 50); do
    [ -f "$kavo/kavosim-report.txt" ] && break
    sleep 0.1
  done
  sleep 0.2
fi
cat "$scratch/launch.out"
echo "signal bitmaps: $(signals)"
# The chart run starts a new log: keep the launch run's beside it.
[ -f log.txt ] && cp log.txt launch-log.txt
if [ "$status" -ne 0 ]; then
  echo "The launch run failed (status $status)."
  show "launch log" "$work/launch-log.txt"
  exit "$status"
fi
# A chart run removes the written route, as every chart run does: keep a copy.
written="$kavo/railway/route/linewrighttemp.csv"
[ -f "$written" ] && cp "$written" "$scratch/linewrighttemp.csv"

echo "== Chart run (every start puts exchanged signal bitmaps back first)"
chart_status=0
"$lw" generate --route "$route" --train "$train" --kind chart "${folders[@]}" || chart_status=$?
echo "signal bitmaps: $(signals)"

echo
show "route" "$scratch/linewrighttemp.csv" &&
  [ -e "$scratch/linewrighttemp.csv" ] && echo "             (the launch run's; the chart run removed $written)"
show "launch log" "$work/launch-log.txt"
show "chart log" "$work/log.txt"
[ "$chart_status" -eq 0 ] && show "chart" "$work/chart.html"
show "config" "$work/linewright10_2.cfg"
[ "$chart_status" -eq 0 ]
