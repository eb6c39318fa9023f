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

# A name with a line end or an escape sequence in it cannot break a message or reach the
# terminal: every error is one line.
odd=$'lev\nel\e[31m.dat'
out=$("$bin/quib-shot" --level "$work/$odd" --out "$work/d.png" 2>&1); status=$?
check "a path with a newline and an escape" \
  "1: quib-shot: cannot open level file $work/lev\\nel\\x1b[31m.dat: No such file or directory" \
  "$status: $out"
out=$("$bin/quib-level" check "$work/$odd" 2>&1); status=$?
check "the same for quib-level" \
  "1: quib-level: cannot open level file $work/lev\\nel\\x1b[31m.dat: No such file or directory" \
  "$status: $out"

# A level and pictures of one's own mean what a game folder laid out around them would.
mkdir -p "$work/mine/lab/firstwin.lab" "$work/pics"
cp -r "$bin/game/bin" "$bin/game/x" "$work/mine/"
"$bin/quib-level" new 6 --border >"$work/mine/lab/firstwin.lab/level0.dat"
cp "$bin/game/x/"*.bmp "$work/pics/"
cp "$bin/game/x/door.bmp" "$work/pics/wall.bmp"  # doors where the walls were
cp "$work/pics/wall.bmp" "$work/mine/x/wall.bmp"
"$bin/quib-shot" --game "$work/mine" --keys 38,104 --out "$work/folder.png"
(cd "$work" && "$bin/quib-shot" --level mine/lab/firstwin.lab/level0.dat --pictures pics \
  --keys 38,104 --out level.png)
check "--level and --pictures against a game folder" "0" \
  "$(compare -metric AE "$work/folder.png" "$work/level.png" null: 2>&1)"
out=$("$bin/quib-shot" --level "$work/none.dat" --out "$work/d.png" 2>&1); status=$?
check "--level: a missing file" \
  "1: quib-shot: cannot open level file $work/none.dat: No such file or directory" "$status: $out"
out=$("$bin/quib-shot" --pictures "$work/none" --out "$work/d.png" 2>&1); status=$?
check "--pictures: a missing folder" \
  "1: quib-shot: cannot load picture $work/none/p3.bmp: No such file or directory" "$status: $out"

# A record replays up to its Escape and stops before it: the picture is the last frame the
# player saw, plan and all. With --with-escape the Escape is pressed, and the picture is what
# the window shows while the sound plays: the last frame, the code 27 printed, the plan wiped.
printf '38\n\n39\r\n27\n40\n' >"$work/record.txt"
"$bin/quib-shot" --keys-file "$work/record.txt" --out "$work/before.png"
"$bin/quib-shot" --keys 38,39 --out "$work/two.png"
check "a replay stops before the record's Escape" "0" \
  "$(compare -metric AE "$work/before.png" "$work/two.png" null: 2>&1)"
"$bin/quib-shot" --keys-file "$work/record.txt" --with-escape --out "$work/replay.png"
crop() { convert "$1" -crop "$2" +repage "$3"; }
crop "$work/replay.png" 521x521+16+16 "$work/replay-view.png"
crop "$work/two.png" 521x521+16+16 "$work/two-view.png"
check "the replay's view is that of the keys before Escape" "0" \
  "$(compare -metric AE "$work/replay-view.png" "$work/two-view.png" null: 2>&1)"
crop "$work/replay.png" 300x553+540+0 "$work/replay-plan.png"
check "and Escape has wiped the plan" "1" "$(identify -format '%k' "$work/replay-plan.png")"
crop "$work/replay.png" 30x16+0+0 "$work/replay-code.png"
crop "$work/two.png" 30x16+0+0 "$work/two-code.png"
check "and it prints the Escape's code" "different" \
  "$(cmp -s "$work/replay-code.png" "$work/two-code.png" && echo same || echo different)"
printf '38\nup\n' >"$work/bad.txt"
out=$("$bin/quib-shot" --keys-file "$work/bad.txt" --out "$work/d.png" 2>&1); status=$?
check "a bad record line" "1: quib-shot: $work/bad.txt:2: \"up\" is not a virtual-key code (1 to 254)" \
  "$status: $out"

# A file whose size says 0 is read to its end: /proc's text is no record.
out=$("$bin/quib-shot" --keys-file /proc/self/status --out "$work/d.png" 2>&1); status=$?
check "a keys file of /proc" \
  "1: quib-shot: /proc/self/status:1: \"Name:\\x09quib-shot\" is not a virtual-key code (1 to 254)" \
  "$status: $out"
truncate -s 17M "$work/huge.txt"
out=$("$bin/quib-shot" --keys-file "$work/huge.txt" --out "$work/d.png" 2>&1); status=$?
check "a keys file past the limit" \
  "1: quib-shot: cannot read the keys file $work/huge.txt: larger than 16777216 bytes" "$status: $out"

# Every program explains itself on standard output, and its help describes every option its
# usage names.
version=$(sed -n 's/^project(quib VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
for program in quib quib-shot quib-level; do
  help=$("$bin/$program" --help 2>"$work/help.err"); status=$?
  check "$program --help: status and stderr" "0: " "$status: $(cat "$work/help.err")"
  check "$program --help: usage, options, examples" "usage: $program,options:,examples:" \
    "$(grep -o "^usage: $program\|^options:\|^examples:" <<<"$help" | paste -sd,)"
  for flag in $(sed -n '/^usage:/,/^$/p' <<<"$help" | grep -o -- '--[a-z-]*' | sort -u); do
    check "$program --help describes $flag" "1" "$(grep -c -- "^  $flag\( \|$\)" <<<"$help")"
  done
  out=$("$bin/$program" --version 2>&1); status=$?
  check "$program --version" "0: $program $version" "$status: $out"
  out=$("$bin/$program" --help 2>&1 >/dev/full); status=$?
  check "$program --help to a full disk" "1: $program: cannot write to standard output" \
    "$status: $out"
done

# A wrong command line is named on stderr, before the usage, with status 2; nothing runs.
while IFS='|' read -r program args complaint; do
  "$bin/$program" $args >"$work/wrong.out" 2>"$work/wrong.err"; status=$?
  check "$program $args" "2: $complaint; usage: $program" \
    "$status: $(sed -n 1p "$work/wrong.err"); $(sed -n 2p "$work/wrong.err" | cut -d' ' -f1-2)"
done <<'TABLE'
quib|--bogus|quib: unknown option --bogus
quib|--level|quib: --level needs a file
quib|--level --scale 2|quib: --level needs a file
quib|extra|quib: unexpected argument extra
quib|--scale 9|quib: --scale takes a whole number from 1 to 8
quib-shot|--bogus --out x.png|quib-shot: unknown option --bogus
quib-shot|--keys 38|quib-shot: --out FILE.png is needed: where to write the picture
quib-shot|--keys-file --out x.png|quib-shot: --keys-file needs a file
quib-shot|--keys 38 --with-escape --out x.png|quib-shot: --with-escape goes with --keys-file
quib-shot|--start-screen --level a.dat --out x.png|quib-shot: --start-screen takes no other option than --out
quib-shot|--start-screen=yes --out x.png|quib-shot: --start-screen takes no value
TABLE

# A drawing given for a level says so, on one line naming it.
printf '# my first labyrinth\n..#.\n#...\n' >"$work/drawing.txt"
out=$("$bin/quib-shot" --level "$work/drawing.txt" --keys 32 --out "$work/d.png" 2>&1); status=$?
check "a drawing for a level" \
  "1: quib-shot: $work/drawing.txt:1:1: \"# my first labyrinth\" is not a whole number: this looks like a drawing: turn it into a level with quib-level draw" \
  "$status: $out"
# --level=FILE is --level FILE.
"$bin/quib-shot" --level="$work/mine/lab/firstwin.lab/level0.dat" --pictures "$work/pics" \
  --keys 38,104 --out "$work/equals.png"
check "--level=FILE" "0" "$(compare -metric AE "$work/folder.png" "$work/equals.png" null: 2>&1)"

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
