#!/usr/bin/env bash
# quib-shot and quib from the command line: pictures of the client area, clear refusals.
set -u
bin=$1
. "$(dirname "$0")/../harness.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
png_size() { identify -format '%w %h' "$1"; }

"$bin/quib-shot" --keys 38,38,100 --out "$work/a.png"
check "shot size" "840 553" "$(png_size "$work/a.png")"
(cd "$work" && "$bin/quib-shot" --game "$bin/game" --keys 38,38,100 --out b.png)
check "same keys, same picture; relative paths" "$(md5sum <"$work/a.png")" "$(md5sum <"$work/b.png")"
# The README's picture is the golden frame of the bundled level; QUIB_RECORD=1 re-records it.
golden="$(dirname "$0")/../../docs/quib.png"
"$bin/quib-shot" --keys 38,38,100 --out "$work/golden.png"
[ "${QUIB_RECORD:-}" = 1 ] && cp "$work/golden.png" "$golden"
check "golden frame (docs/quib.png)" "0" \
  "$(compare -metric AE "$work/golden.png" "$golden" null: 2>&1)"
"$bin/quib-shot" --out "$work/c.png"
check "no keys: differs from after keys" "different" \
  "$(cmp -s "$work/a.png" "$work/c.png" && echo same || echo different)"

out=$("$bin/quib-shot" --keys 38,27 --out "$work/d.png" 2>&1); status=$?
check "Escape refused" "1: quib-shot: --keys: Escape (27) ends the game and cannot be shot" "$status: $out"
out=$("$bin/quib-shot" --keys 38,up --out "$work/d.png" 2>&1); status=$?
check "bad key" "1: quib-shot: --keys: \"up\" is not a virtual-key code (1 to 254)" "$status: $out"
"$bin/quib-shot" --keys 38 >/dev/null 2>&1; status=$?
check "no --out" "2" "$status"
out=$("$bin/quib-shot" --game "$work/none" --out "$work/d.png" 2>&1); status=$?
check "missing game folder" "1: quib-shot: cannot enter game folder $work/none/bin: No such file or directory" \
  "$status: $out"
check "nothing written on failure" "absent" "$([ -e "$work/d.png" ] && echo present || echo absent)"

# Without a display stderr holds the game's one line and nothing from the windowing libraries.
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR timeout 10 "$bin/quib" \
  2>"$work/quib.err"
status=$?
check "the game without a display" \
  "1: quib: cannot open the game window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)" \
  "$status: $(cat "$work/quib.err")"
DISPLAY=:97 WAYLAND_DISPLAY= SDL_VIDEODRIVER= timeout 10 "$bin/quib" 2>"$work/quib.err"
status=$?
check "a display that is not there: one line" "1 1" "$status $(wc -l <"$work/quib.err")"

[ $failures -eq 0 ] && echo "quib-shot: all checks passed"
exit $failures
