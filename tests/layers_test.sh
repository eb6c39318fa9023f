#!/usr/bin/env bash
# The libraries stand on each other one way only. Every #include "LIB/..." in src/ and in the
# tests of a library must follow an allowed edge (the browser makes the game folder as tools/
# does); SDL is included in src/platform alone.
set -u
cd "$1"
declare -A allowed=(
  [formats]="formats"
  [world]="world formats"
  [canvas]="canvas world formats"
  [render]="render canvas world formats"
  [control]="control render canvas world formats"
  [edit]="edit control render canvas world formats"
  [platform]="platform canvas world formats"
  [ui]="ui edit control render platform canvas world formats"
  [app]="app ui edit control render platform canvas world formats"
  [browser]="browser ui edit control render platform canvas world formats tools"
)
bad=0
for lib in "${!allowed[@]}"; do
  for dir in "src/$lib" "tests/$lib"; do
    [ -d "$dir" ] || continue
    while IFS=: read -r file line text; do
      used=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z_]+)\/.*/\1/' <<<"$text")
      [ "$used" = "$text" ] && continue  # not a project include
      if ! [[ " ${allowed[$lib]} " == *" $used "* ]]; then
        echo "$file:$line: $lib -> $used is not an allowed edge (allowed: ${allowed[$lib]})"
        bad=1
      fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' -r "$dir" | sed -E 's/^([^:]+):([0-9]+):/\1:\2:/')
  done
done
if sdl=$(grep -rlE '#include[[:space:]]*[<"]SDL' src tests | grep -vE '^(src|tests)/platform/'); then
  for file in $sdl; do echo "$file: includes SDL outside the platform layer"; done
  bad=1
fi
[ $bad -eq 0 ] && echo "layers: every include follows an allowed edge"
exit $bad
