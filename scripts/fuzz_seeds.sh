#!/usr/bin/env bash
# Writes the seed inputs of one fuzz target into a folder, from the sample
# installation and the test inputs. Each target reads its first bytes as
# choices (the route kind, the start options), so the seeds carry them.
#   scripts/fuzz_seeds.sh TARGET FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
target="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
n=0
# seed PREFIX FILE: the file's bytes after the choice bytes PREFIX (octal escapes).
seed() {
  n=$((n + 1))
  { printf "$1"; cat "$2"; } > "$out/seed$n"
}
# The route kind's choice byte for a file name: 0 .rw, 1 .csv, 2 .scr.
kind() {
  case "$1" in
    *.rw) printf '\\000' ;;
    *.csv) printf '\\001' ;;
    *) printf '\\002' ;;
  esac
}
routes() {
  find sample tests -type f \( -name '*.rw' -o -name '*.csv' -o -name '*.scr' -o -name '*.inc' \) |
    grep -v '/expected/' | sort
}

case "$target" in
  route_reading)
    while IFS= read -r f; do seed "$(kind "$f")" "$f"; done < <(routes) ;;
  route_info)
    while IFS= read -r f; do seed "$(kind "$f")\\100\\001" "$f"; done < <(routes) ;;
  intermediate)
    # Every option off; then signals, adhesion, moved trains, random
    # timetable, a 50 % chance, all switches and the custom system.
    for f in tests/rte2int/expected/*.tmp; do
      seed '\000\000\000\000\000\000\000\000' "$f"
      seed '\002\001\002\002\062\170\377\001' "$f"
    done ;;
  scr_parameter)
    while IFS= read -r line; do
      n=$((n + 1))
      printf '\040%s' "$line" > "$out/seed$n"
    done < <(grep -h '#' sample/kavo/railway/route/*/*.scr sample/kavo/railway/route/*/*.inc | head -200) ;;
  config)
    printf 'c:\\kavo\nc:\\kavo\\railway\\route\\\nc:\\kavo\\train\nkavo.exe\n1 0 1 0 1 0\n652 654 701 35 712\n1 1 61200 1\nSemaphore Arms' > "$out/seed1"
    printf '/kavo\n\n\n\n0 0\n' > "$out/seed2" ;;
  signal_system)
    for f in sample/sigsys/*/sigsys.txt; do seed '\003\002\011' "$f"; done ;;
  *)
    echo "fuzz_seeds.sh: unknown target '$target'" >&2
    exit 2 ;;
esac
