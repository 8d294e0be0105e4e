#!/usr/bin/env bash
# Runs two builds of linewright on the benchmark's synthetic routes (all
# three syntaxes, every start option on, a fixed seed) and compares what
# they write byte for byte: the intermediate file, the route, the chart
# and the log. Usage: bench/compare.sh OTHER_LINEWRIGHT [MB ...]
# (default 1 4 15). Builds this tree's linewright and benchmark first.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
other="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
shift
sizes=("${@:-1 4 15}")
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j 2 --target linewright linewright_bench >/dev/null
outputs="$(mktemp -d)"
bench="$root/build/bench/linewright_bench"
# shellcheck disable=SC2068
"$bench" --only-cli --trials 1 --cli "$other" --outputs "$outputs/other" ${sizes[@]} >/dev/null
# shellcheck disable=SC2068
"$bench" --only-cli --trials 1 --cli "$root/build/cli/linewright" --outputs "$outputs/this" ${sizes[@]} >/dev/null
if diff -r "$outputs/other" "$outputs/this"; then
  echo "identical: $(find "$outputs/this" -type f | wc -l) files"
  rm -rf "$outputs"
else
  echo "outputs differ; kept in $outputs"
  exit 1
fi
