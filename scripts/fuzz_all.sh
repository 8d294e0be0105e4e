#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 45), one after another,
# and fails when any of them finds a crash, a sanitizer report or a hang.
#   scripts/fuzz_all.sh [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-45}"
bash "$root/scripts/sanitized_build.sh"
mapfile -t targets < <("$root/fuzz.sh" --list)
cmake --build "$root/build-sanitized" -j 2 --target "${targets[@]/#/fuzz_}" >/dev/null
failed=()
for target in "${targets[@]}"; do
  log="$root/build-sanitized/fuzz-$target.log"
  start=$(date +%s)
  if "$root/fuzz.sh" "$target" "$seconds" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    failed+=("$target")
    tail -n 40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "fuzz $target: $result, ${runs:-0} executions in $(( $(date +%s) - start )) s"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in build-sanitized/findings/)"
  exit 1
fi
echo "${#targets[@]} passed, 0 failed"
