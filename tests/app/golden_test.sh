#!/usr/bin/env bash
# Golden frames: what the window shows for a handful of games, pixel for pixel. QUIB_RECORD=1
# records them afresh (look at them before committing).
set -u
bin=$1
here=$(dirname "$0")
. "$here/../harness.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
golden=$here/../golden
small=$golden/small.dat

# name, then quib-shot's arguments; docs/quib.png is the README's picture.
cases=(
  "../../docs/quib.png|--keys 38,38,100"
  "eye_raised.png|--keys 38,104,104,104"
  "turned_left.png|--keys 100"
  "turned_right.png|--keys 102,38"
  "turned_around_eye_lowered.png|--keys 104,104,100,100,98"
  "small_whole_plan.png|--level $small --keys 32"
  "small_turned.png|--level $small --keys 100,38,104"
  "start_screen.png|--start-screen"
)
for entry in "${cases[@]}"; do
  name=${entry%%|*}
  read -r -a args <<<"${entry#*|}"
  shot=$work/$(basename "$name")
  if ! "$bin/quib-shot" "${args[@]}" --out "$shot" 2>"$work/error"; then
    echo "FAIL: $name: $(cat "$work/error")"; failures=$((failures + 1)); continue
  fi
  [ "${QUIB_RECORD:-}" = 1 ] && cp "$shot" "$golden/$name"
  check "golden frame $name" "0" "$(compare -metric AE "$shot" "$golden/$name" null: 2>&1)"
done

[ $failures -eq 0 ] && echo "golden: ${#cases[@]} frames as recorded"
exit $failures
