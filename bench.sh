#!/usr/bin/env bash
# Builds Linewright and times every stage and whole create runs on
# synthetic routes: ./bench.sh [MB ...] (default 1 4 16 64). Not a test:
# it takes minutes and its figures depend on the machine.
set -euo pipefail
cd "$(dirname "$0")"
root="$PWD"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j 2 --target linewright linewright_bench >/dev/null
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')," \
  "$(awk '/MemTotal/ {printf "%.0f GB", $2 / 1048576}' /proc/meminfo); load:$(uptime | sed 's/.*load average://')"
"$root/build/bench/linewright_bench" --cli "$root/build/cli/linewright" "$@"
