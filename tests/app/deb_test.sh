#!/usr/bin/env bash
# The Debian package: made by tools/make-deb, free of lintian errors, with what it needs to
# run; as root, installed with apt, played from where it lands, and purged to the last file.
set -u
source_dir=$1
build=$2
bin=$build/bin
. "$source_dir/tests/harness.sh"

if ! "$source_dir/tools/make-deb" "$build/deb" >"$work/make-deb.log" 2>&1; then
  echo "FAIL: tools/make-deb: $(tail -n 20 "$work/make-deb.log")"
  exit 1
fi
deb=$(tail -n 1 "$work/make-deb.log")
[ -f "$deb" ] || { echo "FAIL: tools/make-deb named no package: $deb"; exit 1; }

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1
status=$?
check "lintian's errors: $(cat "$work/lintian.log")" 0 "$status"
check "the package's version is the game's" "$("$bin/quib-level" --version | cut -d' ' -f2)" \
  "$(dpkg-deb -f "$deb" Version | sed 's/-[^-]*$//')"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libpng16-16 fonts-dejavu-core; do
  check "Depends on $package: $depends" yes \
    "$(tr ',' '\n' <<<"$depends" | grep -q "^ *$package\( (.*)\)\?$" && echo yes)"
done
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in usr/games/quib usr/games/quib-shot usr/games/quib-level \
  usr/share/quib/game/bin/tada.wav usr/share/quib/game/lab/firstwin.lab/level0.dat \
  usr/share/quib/game/x/p3.bmp usr/share/applications/io.github.quib.Quib.desktop \
  usr/share/metainfo/io.github.quib.Quib.metainfo.xml \
  usr/share/icons/hicolor/256x256/apps/io.github.quib.Quib.png usr/share/man/man6/quib.6.gz \
  usr/share/man/man6/quib-shot.6.gz usr/share/man/man6/quib-level.6.gz \
  usr/share/doc/quib/copyright usr/share/doc/quib/changelog.Debian.gz; do
  check "the package holds $file" yes "$(grep -qx "\./$file" <<<"$contents" && echo yes)"
done

before=$(dpkg-query -W -f='${Status}' quib 2>/dev/null)
if [ "$(id -u)" -ne 0 ]; then
  echo "note: not root, so the package is built and linted but not installed"
elif [ -n "$before" ] && [ "$before" != "unknown ok not-installed" ]; then
  echo "note: quib is on this machine already ($before): left as it is, the package not installed"
else
  # Whatever ends the test, the package does not stay behind.
  installed=""
  purge() { [ -n "$installed" ] && apt-get remove --purge -y quib >/dev/null 2>&1; installed=""; }
  trap 'cleanup; purge' EXIT
  trap 'exit 1' INT TERM HUP
  apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120)
  installed=yes
  if ! "${apt[@]}" install -y "$deb" >"$work/install.log" 2>&1; then
    echo "FAIL: apt-get install: $(tail -n 20 "$work/install.log")"
    exit 1
  fi
  dpkg -L quib >"$work/files"

  # As a desktop session on Debian starts the launcher's command: from /, with the games on PATH.
  session_path=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
  check "quib on the session's PATH" /usr/games/quib "$(PATH=$session_path command -v quib)"
  if start_xvfb; then
    command=$(awk -F= '$1 == "Exec" {print $2}' /usr/share/applications/io.github.quib.Quib.desktop)
    (cd / && PATH=$session_path SDL_VIDEODRIVER=x11 exec $command) >"$work/quib.log" 2>&1 &
    game=$!
    form2=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form2$' | head -n 1)
    check "the installed game's start screen" yes "$([ -n "$form2" ] && echo yes || cat "$work/quib.log")"
    # Start loads the game folder: the game window shows only if it was found.
    [ -n "$form2" ] && xdotool mousemove --window "$form2" 10 10 key Return
    form1=$(timeout 10 xdotool search --sync --onlyvisible --name '^Find Quib, please$' | head -n 1)
    check "the installed game's window" yes "$([ -n "$form1" ] && echo yes || cat "$work/quib.log")"
    [ -n "$form1" ] && "$bin/close_window" "$form1"
    for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
    wait "$game"
    status=$?
    check "closing the installed game ($(tr '\n' ' ' <"$work/quib.log"))" 0 "$status"
    game=""
  else
    echo "FAIL: Xvfb did not start: $(cat "$work/xvfb.log")"
    failures=$((failures + 1))
  fi
  (cd / && PATH=$session_path quib-shot --keys 38,38,100 --out "$work/installed.png")
  "$bin/quib-shot" --keys 38,38,100 --out "$work/built.png"
  check "the installed quib-shot's picture against the built one's" 0 \
    "$(compare -metric AE "$work/built.png" "$work/installed.png" null: 2>&1)"

  "${apt[@]}" remove --purge -y quib >"$work/remove.log" 2>&1
  status=$?
  check "apt-get remove --purge ($(tail -n 5 "$work/remove.log"))" 0 "$status"
  installed=""
  check "dpkg's record of quib after the purge" "" "$(dpkg-query -W -f='${Status}' quib 2>/dev/null)"
  # A folder may stay where another package keeps it too; nothing else may.
  left=()
  while read -r path; do
    [ "$path" = /. ] && continue
    [ -e "$path" ] || [ -L "$path" ] || continue
    [ -d "$path" ] && [ ! -L "$path" ] && dpkg -S "$path" >/dev/null 2>&1 && continue
    left+=("$path")
  done <"$work/files"
  check "what the purge left of $(wc -l <"$work/files") paths" "" "${left[*]}"
fi

[ $failures -eq 0 ] && echo "deb: $(basename "$deb") lints without errors$(
  [ -n "${installed+set}" ] && echo ", installs, plays and purges")"
grep '^[WI]:' "$work/lintian.log"
exit $failures
