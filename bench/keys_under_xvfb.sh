#!/usr/bin/env bash
# The whole key as the player waits for it, under Xvfb on a 3840 x 2160 screen: the game's and
# the X server's CPU time a key (keys 30 ms apart, each shown), and how long after the last key
# of a burst of 100 (xdotool --delay 0) the window shows the burst's last frame. Medians of
# REPEATS runs, the scales interleaved.
# usage: bench/keys_under_xvfb.sh BIN [REPEATS [SCALE ...]]     (BIN: build/test/bin)
set -u
bin=$(cd "$1" && pwd)
repeats=${2:-3}
shift $(($# < 2 ? $# : 2))
scales=("${@:-1}")
[ $# -eq 0 ] && scales=(1 3)
. "$(dirname "$0")/../tests/harness.sh"
start_xvfb 3840x2160 || { echo "Xvfb did not start"; exit 1; }

# A walk round a square, so that every key draws a new frame; the spaced keys go round 50
# times, a burst 25 times.
walk=(Up Right Down Left)
codes=(38 39 40 37)
spaced=() burst=() burstCodes=()
for _ in $(seq 50); do spaced+=("${walk[@]}"); done
for _ in $(seq 25); do burst+=("${walk[@]}"); burstCodes+=("${codes[@]}"); done
"$bin/quib-shot" --keys "$(IFS=,; echo "${burstCodes[*]}")" --out "$work/last.png" || exit 1
size=$(identify -format '%w %h' "$work/last.png")
convert "$work/last.png" -depth 8 "rgb:$work/last.rgb"

# ticks PID: the process's user and system CPU time, in clock ticks.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)

# measure SCALE: one run; appends "cpu_game cpu_server burst_ms" (CPU in µs a key) to
# $work/SCALE.txt.
measure() {
  local scale=$1
  "$bin/quib" --scale "$scale" >"$work/quib.log" 2>&1 &
  game=$!
  local form2 form1
  form2=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form2$' | head -n 1)
  xdotool mousemove --window "$form2" 5 5 key Return
  form1=$(timeout 10 xdotool search --sync --onlyvisible --name '^Find Quib, please$' | head -n 1)
  xdotool mousemove --window "$form1" 300 300
  xdotool key --delay 30 "${walk[@]}" "${walk[@]}"  # the shapes of the places met, kept
  sleep 0.5
  local g0 s0 g1 s1
  g0=$(ticks "$game") s0=$(ticks "$xvfb")
  xdotool key --delay 30 "${spaced[@]}"
  sleep 0.3
  g1=$(ticks "$game") s1=$(ticks "$xvfb")
  local n=${#spaced[@]}
  xdotool key --delay 0 "${burst[@]}"
  local shown
  shown=$("$bin/wait_shown" "$form1" "$work/last.rgb" $size 10000)
  echo "$(( (g1 - g0) * 1000000 / hz / n )) $(( (s1 - s0) * 1000000 / hz / n )) $shown" >>"$work/$scale.txt"
  kill "$game"
  wait "$game" 2>/dev/null
  game=""
}

for _ in $(seq "$repeats"); do
  for scale in "${scales[@]}"; do measure "$scale"; done
done
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
printf '%-6s %16s %16s %20s\n' scale "game (us/key)" "Xvfb (us/key)" "burst shown (ms)"
for scale in "${scales[@]}"; do
  printf '%-6s %16s %16s %20s\n' "${scale}x" "$(cut -d' ' -f1 "$work/$scale.txt" | median)" \
    "$(cut -d' ' -f2 "$work/$scale.txt" | median)" "$(cut -d' ' -f3 "$work/$scale.txt" | median)"
  echo "  runs: $(tr '\n' ';' <"$work/$scale.txt")"
done
