#!/usr/bin/env bash
# The play build and the README's install commands on a machine without the test packages:
# every package only the tests or benchmarks use is hidden from CMake, and the game must
# still configure, build, install and start.
set -u
source_dir=$1
. "$source_dir/tests/harness.sh"
hidden=(-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
build=$work/play

# As ./play builds it.
if ! "$source_dir/tools/build-game" "$build" "${hidden[@]}" >"$work/play.log" 2>&1; then
  echo "FAIL: the play build: $(tail -n 20 "$work/play.log")"
  exit 1
fi
check "the play build makes the game" "yes" \
  "$([ -x "$build/bin/quib" ] && [ -f "$build/bin/game/lab/firstwin.lab/level0.dat" ] && echo yes)"
check "the play build configures no tests or benchmarks" "none" \
  "$([ -e "$build/tests" ] || [ -e "$build/bench" ] && echo some || echo none)"
# Where there is no display the game it built starts and says so in its own one line.
out=$(cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$build/bin/quib" 2>&1)
status=$?
check "the built game without a display ($out)" "1 1" \
  "$status $(grep -c '^quib: .*display' <<<"$out")"

# The README's install commands, word for word but for the build and install folders.
readme_commands=$(awk '/^## Install from source/ {on = 1; next} on && /^## / {exit}
                       on && /^    (sudo )?cmake / {sub(/^    (sudo )?/, ""); sub(/ *#.*/, ""); print}' \
                    "$source_dir/README.md")
check "the README's install section has its three commands" 3 "$(grep -c . <<<"$readme_commands")"
while read -r command; do
  command=${command//build\/release/$build}
  case $command in
    "cmake -S"*) command="$command ${hidden[*]}" ;;
    "cmake --install"*) command="$command --prefix $work/prefix" ;;
  esac
  if ! (cd "$source_dir" && eval "$command") >"$work/install.log" 2>&1; then
    echo "FAIL: $command: $(tail -n 20 "$work/install.log")"
    failures=$((failures + 1))
  fi
done <<<"$readme_commands"
check "the README's commands install the programs" "yes" \
  "$([ -x "$work/prefix/bin/quib" ] && [ -x "$work/prefix/bin/quib-shot" ] &&
     [ -x "$work/prefix/bin/quib-level" ] && echo yes)"

[ $failures -eq 0 ] && echo "play build: builds, installs and starts without the test packages"
exit $failures
