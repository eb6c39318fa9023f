#!/usr/bin/env bash
# The real game in real X windows: the start screen and its tooltip, "Start" by a click and
# by Enter, keys typed with xdotool, the game window against quib-shot's picture (also at
# 2x), Escape's chime, and every way the program ends.
set -u
bin=$1
. "$(dirname "$0")/../harness.sh"
fail() {
  echo "FAIL: $*"
  for f in "$work"/*.png; do [ -e "$f" ] && cp "$f" "${TMPDIR:-/tmp}/quib-e2e-$(basename "$f")"; done
  exit 1
}
start_xvfb || fail "Xvfb did not start: $(cat "$work/xvfb.log")"

# run NAME [ENV=VALUE ...] [-- ARGUMENT ...]: starts the game in the background, its sound
# going to NAME.raw.
run() {
  local name=$1
  shift
  local settings=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do settings+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/$name.raw" \
    "${settings[@]}" "$bin/quib" "$@" >"$work/$name.log" 2>&1 &
  game=$!
}
# ended TENTHS: waits that long at most for the game to end; sets $status to its exit status.
ended() {
  for _ in $(seq "$1"); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game" 2>/dev/null; then
    status="still running"
    return
  fi
  wait "$game"
  status=$?
  game=""
}
window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
geometry() { xdotool getwindowgeometry "$1" | awk -v what="$2:" '$1 == what {print $2}'; }
differing() { compare -metric AE "$1" "$2" null: 2>&1; }
# shows WINDOW EXPECTED.png: the window's picture equals the file within five seconds.
shows() {
  for _ in $(seq 20); do
    import -window "$1" "$work/window.png" 2>/dev/null && [ "$(differing "$work/window.png" "$2")" = 0 ] &&
      return 0
    sleep 0.25
  done
  return 1
}
count() { convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:; }

"$bin/quib-shot" --start-screen --out "$work/start.png" || fail "quib-shot --start-screen failed"

# 1. The start screen; its tooltip; a click on "Start"; keys; 2x; Escape.
run click
form2=$(window Form2)
[ -n "$form2" ] || fail "no start screen: $(cat "$work/click.log")"
[ "$(geometry "$form2" Geometry)" = 312x213 ] || fail "start screen is $(geometry "$form2" Geometry)"
shows "$form2" "$work/start.png" || fail "the start screen differs from quib-shot in $(differing "$work/window.png" "$work/start.png") pixels"
xdotool mousemove --window "$form2" 150 185
sleep 0.9
import -window "$form2" "$work/tooltip.png"
tip=$(count "$work/tooltip.png" "rgb(255,255,225)")
[ "$tip" -gt 300 ] || fail "no tooltip after resting on the button ($tip pixels of its colour)"
xdotool mousemove --window "$form2" 10 10
shows "$form2" "$work/start.png" || fail "the tooltip stays after the pointer left"
xdotool mousemove --window "$form2" 150 185 click 1
form1=$(window 'Find Quib, please')
[ -n "$form1" ] || fail "no game window after the click: $(cat "$work/click.log")"
[ -z "$(visible Form2)" ] || fail "the start screen is still shown"
[ "$(geometry "$form1" Geometry)" = 840x553 ] || fail "game window is $(geometry "$form1" Geometry)"
[ "$(geometry "$form1" Position)" = 198,93 ] || fail "game window at $(geometry "$form1" Position)"
"$bin/quib-shot" --out "$work/backdrop.png" || fail "quib-shot failed"
shows "$form1" "$work/backdrop.png" || fail "before a key the game window differs from quib-shot"

# A step forward, one aside and back, Num Lock on (its own key is handled too), the eye up
# and a turn to the left. The keypad keys go by their Num Lock off names: asked for KP_8,
# xdotool would press Num Lock around it by itself.
xdotool mousemove --window "$form1" 300 300
xdotool key --delay 150 Up Right Left Num_Lock KP_Up KP_Left
"$bin/quib-shot" --keys 38,39,37,144,104,100 --out "$work/expected.png" || fail "quib-shot failed"
shows "$form1" "$work/expected.png" ||
  fail "the game window differs from quib-shot in $(differing "$work/window.png" "$work/expected.png") pixels"
pixel() { convert "$work/window.png" -format "%[pixel:p{$1,$2}]" info:; }
[ "$(pixel 40 400)" = "srgb(250,0,0)" ] || fail "no red side wall at (40, 400): $(pixel 40 400)"
# The viewer, at (2, 11) after the turn: (16 + 521 + 5 + 3 s, 16 + 260.5 + 11 s), s = 521 / 44.
[ "$(pixel 577 407)" = "srgb(255,255,0)" ] || fail "no viewer marker at (577, 407): $(pixel 577 407)"

xdotool windowsize "$form1" 1680 1106
convert "$work/expected.png" -scale 200% "$work/expected2x.png"
shows "$form1" "$work/expected2x.png" || fail "at 2x the window is not the picture scaled"

start=$(date +%s%N)
xdotool key Escape
ended 50
took=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" = 0 ] || fail "Escape: exit status $status: $(cat "$work/click.log")"
played=$(stat -c %s "$work/click.raw" 2>/dev/null || echo 0)
[ "$played" -gt 40000 ] || fail "Escape played $played bytes of sound"
[ "$took" -ge 1000 ] || fail "the game ended $took ms after Escape, before its 1.06 s sound"

# 2. Enter on a fresh start screen starts a recorded game; its record replayed by quib-shot
# gives the window's last frame; closing the game window ends it quietly and puts the record,
# kept beside its place while the game ran, in place of the old one.
echo "an old record" >"$work/record.txt"
run enter -- --record "$work/record.txt"
form2=$(window Form2)
[ -n "$form2" ] || fail "no start screen: $(cat "$work/enter.log")"
xdotool mousemove --window "$form2" 10 10 key Return
form1=$(window 'Find Quib, please')
[ -n "$form1" ] || fail "no game window after Enter: $(cat "$work/enter.log")"
xdotool mousemove --window "$form1" 300 300
xdotool key --delay 150 Up Up KP_Right Down space
beside=("$work"/.record.txt.*)
[ ${#beside[@]} = 1 ] && [ -f "${beside[0]}" ] || fail "no one file beside the record: ${beside[*]}"
[ "$(wc -l <"${beside[0]}")" = 5 ] || fail "the keys beside the record are $(wc -l <"${beside[0]}")"
[ "$(cat "$work/record.txt")" = "an old record" ] || fail "the old record changed while the game ran"
cp "${beside[0]}" "$work/keys.txt"
"$bin/quib-shot" --keys-file "$work/keys.txt" --out "$work/replayed.png" || fail "replay failed"
shows "$form1" "$work/replayed.png" ||
  fail "the replay differs from the window in $(differing "$work/window.png" "$work/replayed.png") pixels"
"$bin/close_window" "$form1"
ended 50
[ "$status" = 0 ] || fail "closing the game window: exit status $status"
[ ! -s "$work/enter.raw" ] || fail "closing the game window played a sound"
cmp -s "$work/keys.txt" "$work/record.txt" || fail "the record in place is not the keys played"
[ ! -e "${beside[0]}" ] || fail "the file beside the record is still there"

# 2b. Closing the game window while Escape's sound plays ends the game at once: a game
# folder whose tada.wav lasts 5 s (8-bit, 8 kHz).
cp -r "$bin/game" "$work/long"
{
  printf 'RIFF\x64\x9c\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00'
  printf '\x40\x1f\x00\x00\x01\x00\x08\x00data\x40\x9c\x00\x00'
  head -c 40000 /dev/zero | tr '\0' '\200'
} >"$work/long/bin/tada.wav"
run long -- --game "$work/long"
form2=$(window Form2)
[ -n "$form2" ] || fail "no start screen: $(cat "$work/long.log")"
xdotool mousemove --window "$form2" 10 10 key Return
form1=$(window 'Find Quib, please')
[ -n "$form1" ] || fail "no game window after Enter: $(cat "$work/long.log")"
xdotool mousemove --window "$form1" 300 300 key Escape
sleep 0.5
ended 1
[ "$status" = "still running" ] || fail "the 5 s sound ended at once: $status: $(cat "$work/long.log")"
closing=$(date +%s%N)
"$bin/close_window" "$form1"
ended 50
closed=$(( ($(date +%s%N) - closing) / 1000000 ))
[ "$status" = 0 ] || fail "closing the game window during the sound: exit status $status"
[ "$closed" -lt 1000 ] || fail "closed during its 5 s sound, the game ended $closed ms later"

# 3. Closing the start screen ends the program; no game window is ever made.
run close
form2=$(window Form2)
[ -n "$form2" ] || fail "no start screen: $(cat "$work/close.log")"
"$bin/close_window" "$form2"
ended 50
[ "$status" = 0 ] || fail "closing the start screen: exit status $status"
[ -z "$(xdotool search --name '^Find Quib, please$' 2>/dev/null)" ] || fail "a game window was made"
# SDL wakes the event loop of a window being closed over a second connection, which the
# server may take after the window is gone: the failed send must not end the game.
out=$(SDL_VIDEODRIVER=x11 "$bin/late_send" 2>&1) || fail "a send to a closed window ended the game: $out"

# 4. A start-up that fails after "Start": the start screen gone, the error in a message box.
mkdir "$work/x"
run broken QUIB_DRIVE_X="$work/x"
form2=$(window Form2)
[ -n "$form2" ] || fail "no start screen: $(cat "$work/broken.log")"
xdotool mousemove --window "$form2" 10 10 key Return
# xdotool does not find the box by its name; the window tree lists it.
box=""
for _ in $(seq 50); do
  box=$(xwininfo -root -tree | awk '$2 == "\"Quib\":" {print $1; exit}')
  [ -n "$box" ] && break
  sleep 0.2
done
[ -n "$box" ] || fail "no message box: $(cat "$work/broken.log")"
[ -z "$(visible Form2)" ] || fail "the start screen stays beside the message box"
# With no window manager here to give the new box the focus, the test gives it.
xdotool windowfocus --sync "$box" key Return
ended 50
[ "$status" = 1 ] || fail "a broken start-up ended with $status"
grep -qx "quib: cannot load picture $work/x/p3.bmp: No such file or directory" "$work/broken.log" ||
  fail "stderr: $(cat "$work/broken.log")"

echo "end to end: start screen, tooltip, click and Enter, keys and 2x match quib-shot,"
echo "Escape played $played bytes in $took ms; closing either window ends with 0, closing"
echo "the game window during a 5 s sound ends it $closed ms later; a late"
echo "send to a closed window does not end it; a broken"
echo "start-up shows its message box and ends with 1"
