#!/usr/bin/env bash
# The real game in real X windows: the start screen and its tooltip, "Start" by a click and
# by Enter, keys typed with xdotool, the game window against quib-shot's picture (also at
# 2x), Escape's chime, and every way the program ends; then on a full-HD and a 4K screen
# with a window manager: every --scale clamped to the screen, full screen and back, a
# maximised window, the letter keys that stand for the keypad, and a burst of keys.
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
# start_screen NAME: the start screen of the game run as NAME in form2, or the test fails.
start_screen() {
  form2=$(window Form2)
  [ -n "$form2" ] || fail "no start screen: $(cat "$work/$1.log")"
}
# into_game NAME: Enter on its start screen, and the game window in form1, or the test fails.
into_game() {
  start_screen "$1"
  xdotool mousemove --window "$form2" 2 2 key Return
  form1=$(window 'Find Quib, please')
  [ -n "$form1" ] || fail "no game window after Enter: $(cat "$work/$1.log")"
}
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
start_screen click
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
into_game enter
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
into_game long
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
start_screen close
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
start_screen broken
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

# 5. Screens: on full HD and 4K, each --scale from 1 to 8 opens both windows at the largest
# whole factor that fits, up to the one asked for, and says so when it is less.
wm=""
# manage [WORK AREA]: a window manager for the screen, stopping the one before.
manage() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null && wait "$wm" 2>/dev/null
  "$bin/least_wm" "$@" >"$work/wm.log" 2>&1 &
  wm=$!
  for _ in $(seq 50); do grep -q ready "$work/wm.log" && return 0; sleep 0.1; done
  fail "no window manager: $(cat "$work/wm.log")"
}
# opens NAME SCALE: starts the game at SCALE and opens its game window ($form1).
opens() {
  run "$1" -- --scale "$2"
  into_game "$1"
  xdotool mousemove --window "$form1" 300 300
}
closes() {
  "$bin/close_window" "$form1"
  ended 50
  [ "$status" = 0 ] || fail "closing the game window: exit status $status"
}
picture() {  # picture NAME KEYS: quib-shot's picture after KEYS as raw pixels, for wait_shown
  "$bin/quib-shot" --keys "$2" --out "$work/$1.png" || fail "quib-shot --keys $2 failed"
  convert "$work/$1.png" -depth 8 "rgb:$work/$1.rgb"
}
shown() {  # shown NAME: the game window shows picture NAME, at whatever scale, within 5 s
  "$bin/wait_shown" "$form1" "$work/$1.rgb" 840 553 5000 >"$work/shown.txt" ||
    fail "the game window does not show $1: $(cat "$work/shown.txt")"
}
for screen in 1920x1080 3840x2160; do
  stop_xvfb
  start_xvfb "$screen" || fail "Xvfb did not start at $screen: $(cat "$work/xvfb.log")"
  manage
  width=${screen%x*} height=${screen#*x}
  for asked in 1 2 3 4 5 6 7 8; do
    fits=$((width / 840 < height / 553 ? width / 840 : height / 553))
    scale=$((asked < fits ? asked : fits))
    opens "scale$asked" "$asked"
    [ "$(geometry "$form1" Geometry)" = "$((840 * scale))x$((553 * scale))" ] ||
      fail "--scale $asked on $screen: a game window of $(geometry "$form1" Geometry), not ${scale}x"
    [ "$(geometry "$form1" Position)" = 198,93 ] ||
      fail "--scale $asked on $screen: the game window at $(geometry "$form1" Position)"
    said=""
    [ "$scale" -lt "$asked" ] && said="quib: --scale $asked does not fit this screen; using $scale"
    [ "$(cat "$work/scale$asked.log")" = "$said" ] ||
      fail "--scale $asked on $screen said: $(cat "$work/scale$asked.log")"
    # The start screen went at Start; its size is in the window manager's hands no more.
    xprop -id "$form1" WM_NORMAL_HINTS | grep -q "minimum size: 840 by 553" ||
      fail "--scale $asked: the game window may shrink below 1x: $(xprop -id "$form1" WM_NORMAL_HINTS)"
    closes
  done
done

# 6. On the 4K screen at the largest scale that fits (3x): the start screen at 3x, Q, E, R
# and F as keypad 4, 6, 8 and 2, full screen by F11 and by Alt+Enter and back, maximised
# and back, and a burst of 100 keys.
run letters -- --scale 3
form2=$(window Form2)
[ -n "$form2" ] || fail "no start screen at 3x: $(cat "$work/letters.log")"
[ "$(geometry "$form2" Geometry)" = 936x639 ] || fail "the start screen at 3x is $(geometry "$form2" Geometry)"
# The button, at (104, 168) to (201, 201) at 1x, is clicked at 3x.
xdotool mousemove --window "$form2" 450 550 click 1
form1=$(window 'Find Quib, please')
[ -n "$form1" ] || fail "no game window after a click at 3x: $(cat "$work/letters.log")"
xdotool mousemove --window "$form1" 300 300
xdotool key --delay 100 q r e e f q
picture letters 100,104,102,102,98,100
shown letters
xdotool key F11
sleep 0.5
[ "$(geometry "$form1" Geometry)" = 3840x2160 ] && [ "$(geometry "$form1" Position)" = 0,0 ] ||
  fail "F11: the game window is $(geometry "$form1" Geometry) at $(geometry "$form1" Position)"
shown letters  # at 3x, centred; F11 itself reaches the game as no key
xdotool key F11
sleep 0.5
[ "$(geometry "$form1" Geometry)" = 2520x1659 ] && [ "$(geometry "$form1" Position)" = 198,93 ] ||
  fail "F11 again: the game window is $(geometry "$form1" Geometry) at $(geometry "$form1" Position)"
shown letters
xdotool key alt+Return
sleep 0.5
[ "$(geometry "$form1" Geometry)" = 3840x2160 ] || fail "Alt+Enter: the game window is $(geometry "$form1" Geometry)"
xdotool key alt+Return
sleep 0.5
[ "$(geometry "$form1" Geometry)" = 2520x1659 ] || fail "Alt+Enter again: the game window is $(geometry "$form1" Geometry)"
picture alt 100,104,102,102,98,100,18,18  # Alt is a key of its own
shown alt
"$bin/least_wm" --ask "$form1" add maximized
sleep 0.5
[ "$(geometry "$form1" Geometry)" = 3840x2160 ] || fail "maximised, the game window is $(geometry "$form1" Geometry)"
shown alt
"$bin/least_wm" --ask "$form1" remove maximized
sleep 0.5
burst=() codes=()
for _ in $(seq 10); do
  burst+=(Up q Right r Down e Left f Up Down)
  codes+=(38 100 39 104 40 102 37 98 38 40)
done
picture burst "$(IFS=,; echo "${codes[*]}")"
xdotool key --delay 0 "${burst[@]}"
"$bin/wait_shown" "$form1" "$work/burst.rgb" 840 553 5000 >"$work/shown.txt" ||
  fail "the burst's last picture is not shown: $(cat "$work/shown.txt")"
burstMs=$(cat "$work/shown.txt")
# The game keeps up within 0.3 s on an idle machine; a loaded one is given more.
[ "$burstMs" -le 1000 ] || fail "a burst of 100 keys was on screen $burstMs ms after its last key"
closes
grep -q "Num Lock" "$work/letters.log" && fail "a note on Num Lock without the keypad: $(cat "$work/letters.log")"

echo "end to end: start screen, tooltip, click and Enter, keys and 2x match quib-shot,"
echo "Escape played $played bytes in $took ms; closing either window ends with 0, closing"
echo "the game window during a 5 s sound ends it $closed ms later; a late"
echo "send to a closed window does not end it; a broken"
echo "start-up shows its message box and ends with 1; on full HD and 4K every --scale"
echo "fits, F11, Alt+Enter and maximising show the largest factor, Q E R F turn and move the"
echo "eye, and a burst of 100 keys was on screen $burstMs ms after its last key"
