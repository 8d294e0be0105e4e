#!/usr/bin/env bash
# Builds a fuzz target with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-sanitized/) and runs it.
#   ./fuzz.sh TARGET SECONDS [libFuzzer options]   e.g. ./fuzz.sh config 60
#   ./fuzz.sh --list
# The corpus grows in build-sanitized/corpus/TARGET, seeded from sample/
# and the test inputs. A crash, a sanitizer report, an input slower than
# 10 s or one that takes more than 2 GB fails the run and is saved in
# build-sanitized/findings/TARGET/; copy it to fuzz/regressions/TARGET/ so
# that the tests replay it.
set -euo pipefail
cd "$(dirname "$0")"
root="$PWD"
targets=(route_reading intermediate scr_parameter config signal_system route_info)

if [ "${1:-}" = "--list" ]; then
  printf '%s\n' "${targets[@]}"
  exit 0
fi
if [ $# -lt 2 ]; then
  echo "usage: ./fuzz.sh TARGET SECONDS [libFuzzer options]   (./fuzz.sh --list)" >&2
  exit 2
fi
target="$1"
seconds="$2"
shift 2
case " ${targets[*]} " in
  *" $target "*) ;;
  *) echo "fuzz.sh: unknown target '$target'; one of: ${targets[*]}" >&2; exit 2 ;;
esac

bash scripts/sanitized_build.sh
build="$root/build-sanitized"
cmake --build "$build" -j 2 --target "fuzz_$target" >/dev/null

corpus="$build/corpus/$target"
seeds="$build/seeds/$target"
findings="$build/findings/$target"
mkdir -p "$corpus" "$findings"
bash scripts/fuzz_seeds.sh "$target" "$seeds"

# Every input writes and reads files: on a memory file system that is many
# times faster.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR="${TMPDIR:-/dev/shm}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
exec "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" "$@" "$corpus" "$seeds"
