#!/usr/bin/env bash
# quib-shot's peak resident memory does not grow with the length of the game: 20,000 keys of
# steps, turns, eye changes and Space end within 1 MiB of 200 keys, and under 32 MiB. (The
# first 200 keys turn the level every way, so the plan's four kept grids are all there.)
set -u
bin=$1
. "$(dirname "$0")/../harness.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
codes=(38 40 37 39 100 102 104 98 32)
RANDOM=9
for _ in $(seq 20000); do echo "${codes[RANDOM % ${#codes[@]}]}"; done >"$work/long.txt"
head -n 200 "$work/long.txt" >"$work/short.txt"
peak() {  # peak KiB of quib-shot playing the keys in $1
  /usr/bin/time -f '%M' -o "$work/peak" "$bin/quib-shot" --keys-file "$1" --out "$work/shot.png" &&
    cat "$work/peak"
}
short=$(peak "$work/short.txt") && long=$(peak "$work/long.txt") || exit 1
echo "peak resident: 200 keys $short KiB, 20,000 keys $long KiB"
check "20,000 keys within 1 MiB of 200" "yes" "$([ $((long - short)) -le 1024 ] && echo yes || echo no)"
check "under 32 MiB" "yes" "$([ "$long" -lt 32768 ] && [ "$short" -lt 32768 ] && echo yes || echo no)"
exit $failures
