#!/usr/bin/env bash
# The installed game: validated launcher, metadata and manual pages; an installed tree that
# still plays when moved elsewhere; the launcher's command opening the start screen.
set -u
source_dir=$1
build=$2
. "$source_dir/tests/harness.sh"
id=io.github.quib.Quib

check "desktop file" "" "$(desktop-file-validate "$source_dir/desktop/$id.desktop" 2>&1)"
out=$(appstreamcli validate --no-net "$build/share/metainfo/$id.metainfo.xml" 2>&1); status=$?
check "metainfo ($out)" 0 "$status"
check "the metadata's and the game's licenses" "CC0-1.0 MIT" \
  "$(sed -n 's:.*<\(metadata\|project\)_license>\(.*\)</.*:\2:p' "$build/share/metainfo/$id.metainfo.xml" | paste -sd' ')"
check "the license" "MIT License" "$(head -n 1 "$source_dir/LICENSE" 2>&1)"
for page in "$source_dir"/desktop/man/*.6; do
  check "manual page $(basename "$page")" "" "$(man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
done

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
  { echo "FAIL: cmake --install: $(cat "$work/install.log")"; exit 1; }
for file in bin/quib bin/quib-shot bin/quib-level share/quib/game/bin/tada.wav \
  share/quib/game/x/p3.bmp share/quib/game/lab/firstwin.lab/level0.dat \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/man/man6/quib.6 \
  share/man/man6/quib-shot.6 share/man/man6/quib-level.6 share/doc/quib/LICENSE; do
  check "installed $file" present "$([ -f "$work/prefix/$file" ] && echo present || echo missing)"
done
for side in 16 32 48 64 128 256; do
  icon=$work/prefix/share/icons/hicolor/${side}x$side/apps/$id.png
  check "icon ${side}px" "$side $side" "$(identify -format '%w %h' "$icon" 2>&1)"
done

# The tree finds its game folder from wherever it is moved to, whatever the working directory.
mv "$work/prefix" "$work/moved"
"$build/bin/quib-shot" --keys 38,38,100 --out "$work/built.png"
(cd / && "$work/moved/bin/quib-shot" --keys 38,38,100 --out "$work/moved.png")
check "the moved tree's picture" "0" "$(compare -metric AE "$work/built.png" "$work/moved.png" null: 2>&1)"
out=$(cd / && "$work/moved/bin/quib-level" check "$work/moved/share/quib/game/lab/firstwin.lab/level0.dat" | cut -d' ' -f2-3)
check "the installed level" "extent 22" "$out"

# The launcher's command, run as a desktop would (from /, the tree's bin on PATH), opens
# the start screen; closing it ends the game with 0.
if start_xvfb; then
  command=$(awk -F= '$1 == "Exec" {print $2}' "$work/moved/share/applications/$id.desktop")
  (cd / && PATH="$work/moved/bin:$PATH" SDL_VIDEODRIVER=x11 exec $command) >"$work/launcher.log" 2>&1 &
  game=$!
  form2=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form2$' | head -n 1)
  check "the launcher opens the start screen" "yes" "$([ -n "$form2" ] && echo yes || echo "no: $(cat "$work/launcher.log")")"
  [ -n "$form2" ] && "$build/bin/close_window" "$form2"
  for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  wait "$game"; status=$?; game=""
  check "closing the launched start screen ($(tr "\n" " " <"$work/launcher.log"))" 0 "$status"
else
  echo "FAIL: Xvfb did not start: $(cat "$work/xvfb.log")"; failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "install: validators pass; the moved tree plays; the launcher starts"
exit $failures
