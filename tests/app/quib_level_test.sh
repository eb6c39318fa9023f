#!/usr/bin/env bash
# quib-level on real files: the summary, turns that read back, and clear failures.
set -u
bin=$1
. "$(dirname "$0")/../harness.sh"

printf '2\n1,0,0,0,0,0\n0,0,8,1,0,0\n7,0,0,0,0,2\n' >"$work/level.dat"
check "summary" "$work/level.dat: extent 2 (3 x 3 points); layer 0: 0=6 1=1 7=1 8=1; layer 1: 0=7 1=1 2=1" \
  "$("$bin/quib-level" check "$work/level.dat")"

# The worked example: the piece left of the viewer lies straight ahead after a left turn.
printf '2\n1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n' >"$work/left.dat"
check "left turn" "$(printf '2\n0,0,0,0,0,1\n0,0,0,0,0,0\n0,0,0,0,0,0')" \
  "$("$bin/quib-level" turn "$work/left.dat" left)"

"$bin/quib-level" turn "$work/level.dat" left left left >"$work/three.dat"
check "turns read back" "$(cat "$work/level.dat")" "$("$bin/quib-level" turn "$work/three.dat" left)"
check "one each way" "$(cat "$work/level.dat")" "$("$bin/quib-level" turn "$work/level.dat" right left)"

printf '3,1,2' >"$work/short.dat"
out=$("$bin/quib-level" check "$work/short.dat" 2>&1); status=$?
check "short file" "1: quib-level: level file $work/short.dat ends early: read 3 of 33 values" "$status: $out"
out=$("$bin/quib-level" check "$work/missing.dat" 2>&1); status=$?
check "missing file" "1: quib-level: cannot open level file $work/missing.dat: No such file or directory" "$status: $out"
"$bin/quib-level" turn "$work/level.dat" up >/dev/null 2>&1; status=$?
check "unknown turn" "2" "$status"

[ $failures -eq 0 ] && echo "quib-level: all checks passed"
exit $failures
