#!/usr/bin/env bash
# The real game in a real X window: keys typed with xdotool, the window's picture compared
# with what quib-shot draws for the same keys, then Escape plays the chime and ends it.
set -u
bin=$1
work=$(mktemp -d)
cleanup() {
  [ -n "${game:-}" ] && kill "$game" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
xdpyinfo >/dev/null 2>&1 || fail "Xvfb on $DISPLAY does not answer"

SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/played.raw" \
  "$bin/quib" >"$work/quib.log" 2>&1 &
game=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Find Quib, please$' | head -n 1)
[ -n "$window" ] || fail "no game window: $(cat "$work/quib.log")"
xdotool mousemove --window "$window" 300 300
sleep 0.3

# A step forward, a step aside and back: the viewer ends on (11, 2) of the bundled level.
xdotool key --delay 150 Up Right Left
"$bin/quib-shot" --keys 38,39,37 --out "$work/expected.png" || fail "quib-shot failed"
# The game draws in its own time: look until the window shows the frame, for ten seconds.
for _ in $(seq 40); do
  import -window "$window" "$work/window.png" 2>/dev/null &&
    differing=$(compare -metric AE "$work/window.png" "$work/expected.png" null: 2>&1) &&
    [ "$differing" = "0" ] && break
  sleep 0.25
done
[ "${differing:-}" = "0" ] || {
  cp "$work/window.png" "${TMPDIR:-/tmp}/quib-e2e-window.png"
  fail "the window differs from quib-shot in ${differing:-all} pixels (saved quib-e2e-window.png)"
}
# What a player sees: the red side wall of the bundled level and the viewer's yellow marker.
pixel() { convert "$work/window.png" -format "%[pixel:p{$1,$2}]" info:; }
[ "$(pixel 380 280)" = "srgb(250,0,0)" ] || fail "no red side wall at (380, 280): $(pixel 380 280)"
[ "$(pixel 672 513)" = "srgb(255,255,0)" ] || fail "no viewer marker at (672, 513): $(pixel 672 513)"

xdotool key Escape
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not end after Escape"
wait "$game"; status=$?
game=""
[ "$status" -eq 0 ] || fail "exit status $status: $(cat "$work/quib.log")"
played=$(stat -c %s "$work/played.raw" 2>/dev/null || echo 0)
[ "$played" -gt 40000 ] || fail "Escape played $played bytes of sound"
# A broken start-up: the error goes to stderr and into a message box; Return dismisses it.
mkdir "$work/x"
QUIB_DRIVE_X="$work/x" SDL_VIDEODRIVER=x11 "$bin/quib" 2>"$work/broken.log" &
game=$!
# xdotool does not find the box by its name; the window tree lists it.
for _ in $(seq 50); do
  box=$(xwininfo -root -tree | awk '$2 == "\"Quib\":" {print $1; exit}')
  [ -n "$box" ] && break
  sleep 0.2
done
[ -n "$box" ] || fail "no message box: $(cat "$work/broken.log")"
xdotool mousemove --window "$box" 10 10 key Return
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
wait "$game"; status=$?
game=""
[ "$status" -eq 1 ] || fail "a broken start-up ended with $status"
grep -qx "quib: cannot load picture $work/x/p3.bmp: No such file or directory" "$work/broken.log" ||
  fail "stderr: $(cat "$work/broken.log")"

echo "end to end: window matches quib-shot, Escape played $played bytes and ended with 0,"
echo "a missing picture was reported in a message box"
