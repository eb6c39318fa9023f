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
"$bin/quib-level" check "$work/level.dat" --out "$work/summary.txt" >/dev/null 2>&1; status=$?
check "check writes no file" "2 absent" "$status $([ -e "$work/summary.txt" ] && echo present || echo absent)"
"$bin/quib-level" new 2 -o "$work/a.dat" --out "$work/b.dat" >/dev/null 2>&1; status=$?
check "--out twice" "2" "$status"

# Drawings: the level shown, drawn back, and a designer's own drawing with its faults.
"$bin/quib-level" show "$work/level.dat" >"$work/level.txt"
check "show" "$(printf '    0\n    .....D\n    ..G#..\n  0 #...L.\n    0')" "$(cat "$work/level.txt")"
check "show, then draw" "$(cat "$work/level.dat")" "$("$bin/quib-level" draw "$work/level.txt")"
printf '# a corridor\n.#.#\n.#.#\n' >"$work/mine.txt"
check "draw a drawing of one's own" "$(printf '1\n0,1,0,1\n0,1,0,1')" \
  "$("$bin/quib-level" draw "$work/mine.txt")"
printf '.#.#\n.#.\n' >"$work/ragged.txt"
out=$("$bin/quib-level" draw "$work/ragged.txt" 2>&1); status=$?
check "a ragged drawing" "1: quib-level: $work/ragged.txt:2:4: this row is 3 characters wide, the first 4" \
  "$status: $out"
printf '2\n9,0,0,0,0,0\n0,0,0,0,0,0\n0,0,0,0,0,0\n' >"$work/nine.dat"
out=$("$bin/quib-level" show "$work/nine.dat" 2>&1); status=$?
check "a code without a symbol" \
  "1: quib-level: $work/nine.dat: point (0, 0) holds code 9 in layer 0, which has no symbol" "$status: $out"
out=$("$bin/quib-level" check "$work/nine.dat" 2>&1 >/dev/null); status=$?
check "check warns of codes the game does not draw" \
  "0: quib-level: warning: $work/nine.dat: point (0, 0) holds code 9 in layer 0, which the game does not draw" \
  "$status: $out"

# A negative extent reads no codes: every command takes it, whatever its size, and check
# says what the game will show. Values the extent leaves over are named, as the game ignores
# them.
for extent in -4 -2147483648; do
  echo "$extent" >"$work/negative.dat"
  out=$("$bin/quib-level" check "$work/negative.dat" 2>&1 >/dev/null); status=$?
  check "check, extent $extent" \
    "0: quib-level: warning: $work/negative.dat: extent $extent: no points; the game shows only the backdrop" \
    "$status: $out"
  out=$("$bin/quib-level" show "$work/negative.dat" 2>&1); status=$?
  check "show, extent $extent: an empty drawing" "0: " "$status: $out"
  out=$("$bin/quib-level" turn "$work/negative.dat" left right left 2>&1); status=$?
  check "turn, extent $extent" "0: $extent" "$status: $out"
done
"$bin/quib-level" new 7 | sed '1s/.*/6/' >"$work/extent6.dat"
out=$("$bin/quib-level" check "$work/extent6.dat" 2>&1 >/dev/null); status=$?
check "check: values after the last point" \
  "0: quib-level: warning: $work/extent6.dat: 30 values after the last point: is the extent right?" \
  "$status: $out"

# New levels: empty, or walled all round.
check "new" "$(printf '1\n0,0,0,0\n0,0,0,0')" "$("$bin/quib-level" new 1)"
"$bin/quib-level" new 3 --border >"$work/border.dat"
check "new --border" "$(printf '    0\n    ###.#.##\n    .#.....#\n    .#.....#\n  0 ###.#.##\n    0')" \
  "$("$bin/quib-level" show "$work/border.dat")"
"$bin/quib-level" new 101 >/dev/null 2>&1; status=$?
check "new: extent out of range" "2" "$status"
check "--help names every symbol" "1" \
  "$("$bin/quib-level" --help | grep -c '\. empty (0), # wall (1), D door (2), Y yellow marker (3)')"

# A wrong command line is named on stderr, before the usage, with status 2.
while IFS='|' read -r args complaint; do
  "$bin/quib-level" $args >"$work/wrong.out" 2>"$work/wrong.err"; status=$?
  check "quib-level $args" "2: quib-level: $complaint; usage: quib-level" \
    "$status: $(sed -n 1p "$work/wrong.err"); $(sed -n 2p "$work/wrong.err" | cut -d' ' -f1-2)"
done <<TABLE
|a command is needed: check, turn, show, draw or new
--bogus|unknown option --bogus
frob|unknown command frob
check|check needs a level file
check $work/level.dat extra|unexpected argument extra
check $work/level.dat --bogus|unknown option --bogus
show $work/level.dat -o|-o needs a file
new 3 --border extra|unexpected argument extra
draw|draw needs a drawing
TABLE

# What a designer may write by mistake, named with what was meant.
printf '1\n1 0 0 0\n0 0 0 0\n' >"$work/blanks.dat"
out=$("$bin/quib-level" check "$work/blanks.dat" 2>&1); status=$?
check "values with blanks between" \
  "1: quib-level: $work/blanks.dat:2:1: \"1 0 0 0\" is not a whole number: values are separated by commas or line ends" \
  "$status: $out"
"$bin/quib-level" show "$work/level.dat" >"$work/shown.txt"
out=$("$bin/quib-level" check "$work/shown.txt" 2>&1); status=$?
check "a drawing checked as a level" \
  "1: quib-level: $work/shown.txt:2:5: \".....D\" is not a whole number: this looks like a drawing: turn it into a level with quib-level draw" \
  "$status: $out"
printf '\xef\xbb\xbf#my level\n.#.#\n.#.#\n' >"$work/bom.txt"
check "a byte-order mark and a comment without a blank" "$(printf '1\n0,1,0,1\n0,1,0,1')" \
  "$("$bin/quib-level" draw "$work/bom.txt")"
printf '.#.#\n.#x#\n' >"$work/slip.txt"
out=$("$bin/quib-level" draw "$work/slip.txt" 2>&1); status=$?
check "a character that is no symbol" \
  "1: quib-level: $work/slip.txt:2:3: \"x\" is no symbol of a code; the symbols are . # D Y B S C L G" \
  "$status: $out"

[ $failures -eq 0 ] && echo "quib-level: all checks passed"
exit $failures
