# Sourced by the check scripts: counts the checks that passed and failed,
# saying each failure as it comes.
passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() {
  failed=$((failed + 1))
  echo "FAILED: $*"
}
# add_counts LOG NAME: adds the counts of the line "NAME: N passed, N
# failed" in LOG; a LOG without it (its checks did not finish) is one
# failure.
add_counts() {
  local counts
  counts=$(sed -n "s/^$2: \([0-9]*\) passed, \([0-9]*\) failed\$/\1 \2/p" "$1")
  if [ -n "$counts" ]; then
    passed=$((passed + ${counts% *}))
    failed=$((failed + ${counts#* }))
  else
    fail "$2: the checks did not finish"
  fi
}
