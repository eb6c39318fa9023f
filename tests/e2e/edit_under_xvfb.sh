#!/usr/bin/env bash
# The editor in a real X window: quib --edit on a file not there yet, code 1 chosen, a click
# beside a point of the plan, Ctrl+S, and the file holds a wall there; the caption's mark of
# unsaved changes; Escape with unsaved changes asks, and Discard leaves the file as saved.
set -u
bin=$1
. "$(dirname "$0")/../harness.sh"
fail() {
  for f in "$work"/*.png; do [ -e "$f" ] && cp "$f" "${TMPDIR:-/tmp}/quib-edit-e2e-$(basename "$f")"; done
  echo "FAIL: $*"
  exit 1
}
start_xvfb || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

level="$work/new.dat"
env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/sound.raw" \
  "$bin/quib" --edit "$level" >"$work/quib.log" 2>&1 &
game=$!

# named NAME: the visible window of that caption within ten seconds, or nothing.
named() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
# caption_becomes NAME: the window's caption is NAME within five seconds.
caption_becomes() {
  for _ in $(seq 50); do
    [ "$(xdotool getwindowname "$window")" = "$1" ] && return 0
    sleep 0.1
  done
  return 1
}
count() { convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:; }

window=$(named 'Find Quib, please - .*new.dat')
[ -n "$window" ] || fail "no editor window: $(cat "$work/quib.log")"
[ ! -e "$level" ] || fail "the file was made before a save"
import -window "$window" "$work/empty.png"

# Point (5, 5) of the new level's plan (extent 10, 26.05 pixels a grid unit): at (698.3, 406.8);
# nine pixels left of it is its panel across the view.
xdotool key --window "$window" 1
xdotool mousemove --window "$window" 689 407 click 1
caption_becomes "Find Quib, please - $level*" || fail "no mark of unsaved changes: $(xdotool getwindowname "$window")"
xdotool key --window "$window" ctrl+s
caption_becomes "Find Quib, please - $level" || fail "the mark stays after Ctrl+S: $(xdotool getwindowname "$window")"
[ -f "$level" ] || fail "Ctrl+S made no file: $(cat "$work/quib.log")"
[ "$(head -n 1 "$level")" = 10 ] || fail "the file's extent is $(head -n 1 "$level")"
# Column 5's line holds rows 0 to 10, two codes each: row 5's across panel is the 11th value.
[ "$(sed -n 7p "$level" | cut -d, -f11)" = 1 ] || fail "no wall at (5, 5): $(sed -n 7p "$level")"
[ "$(tr -cd 1 <"$level" | wc -c)" = 2 ] || fail "more than the wall and the extent: $(cat "$level")"

import -window "$window" "$work/drawn.png"
# The wall on the plan in its colour, and in the view straight ahead.
plan=$(count "$work/drawn.png" "rgb(128,0,128)")
[ "$plan" -ge 40 ] || fail "the plan shows $plan pixels of the wall's colour"
view=$(compare -metric AE -extract 521x521+16+16 "$work/empty.png" "$work/drawn.png" null: 2>&1)
[ "$view" -gt 5000 ] 2>/dev/null || fail "the view shows no wall ($view pixels changed)"

# A right click clears the wall; Escape with that unsaved asks first; D discards it and ends.
saved=$(cat "$level")
xdotool mousemove --window "$window" 689 407 click 3
caption_becomes "Find Quib, please - $level*" || fail "the right click cleared nothing"
xdotool key --window "$window" Escape
sleep 1
kill -0 "$game" 2>/dev/null || fail "Escape ended the editor without asking: $(cat "$work/quib.log")"
import -window "$window" "$work/asked.png"
xdotool key --window "$window" d
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "Discard did not end the editor"
wait "$game"
status=$?
game=""
[ "$status" = 0 ] || fail "the editor ended with $status: $(cat "$work/quib.log")"
[ "$(cat "$level")" = "$saved" ] || fail "Discard changed the file"
[ -s "$work/sound.raw" ] || fail "no sound after Escape"
echo "edit under Xvfb: passed"
