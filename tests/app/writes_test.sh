#!/usr/bin/env bash
# What the programs write replaces nothing until it is complete: a failed write leaves the old
# file byte for byte and nothing beside it, a device or FIFO is refused and left, and a level
# turns in place.
set -u
bin=$1
. "$(dirname "$0")/../harness.sh"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

listing() { ls -A "$1" | tr '\n' ' '; }
same() { cmp -s "$1" "$2" && echo same || echo different; }
# limited CMD...: CMD with files limited to 4 KiB, SIGXFSZ ignored, so that write() fails with
# EFBIG ("File too large") where the picture or level would pass the limit.
limited() { (ulimit -f 4 && trap '' XFSZ && exec "$@"); }

printf 'an old file\n' >"$work/old"
mkdir "$work/out"
cp "$work/old" "$work/out/shot.png"
cp "$work/old" "$work/out/level.dat"
out=$(limited "$bin/quib-shot" --keys 38 --out "$work/out/shot.png" 2>&1); status=$?
check "quib-shot past the file size limit" \
  "1: quib-shot: cannot write picture $work/out/shot.png: File too large" "$status: $out"
out=$(limited "$bin/quib-level" new 100 --border --out "$work/out/level.dat" 2>&1); status=$?
check "quib-level past the file size limit" \
  "1: quib-level: cannot write the level to $work/out/level.dat: File too large" "$status: $out"
check "the old picture stays" "same" "$(same "$work/old" "$work/out/shot.png")"
check "the old level stays" "same" "$(same "$work/old" "$work/out/level.dat")"
check "no temporary file left" "level.dat shot.png " "$(listing "$work/out")"

# on_small_disk NAME CMD...: CMD in a mount namespace of its own where $work/small is a 16 KiB
# tmpfs holding NAME, a copy of $work/old; prints CMD's status and message, whether NAME kept
# its bytes, and what the tmpfs holds then.
on_small_disk() {
  unshare -m bash -c '
    small=$1 old=$2 name=$3
    shift 3
    mount -t tmpfs -o size=16k tmpfs "$small" && cp "$old" "$small/$name" || exit
    out=$("$@" 2>&1)
    echo "$?: $out; $(cmp -s "$old" "$small/$name" && echo kept || echo changed);" \
      "$(ls -A "$small" | tr "\n" " ")"' _ "$work/small" "$work/old" "$@"
}
mkdir "$work/small"
if [ "$(id -u)" = 0 ] && unshare -m true 2>/dev/null; then
  check "quib-shot on a full disk" \
    "1: quib-shot: cannot write picture $work/small/shot.png: No space left on device; kept; shot.png " \
    "$(on_small_disk shot.png "$bin/quib-shot" --keys 38 --out "$work/small/shot.png")"
  check "quib-level on a full disk" \
    "1: quib-level: cannot write the level to $work/small/level.dat: No space left on device; kept; level.dat " \
    "$(on_small_disk level.dat "$bin/quib-level" new 100 --out "$work/small/level.dat")"
else
  echo "note: not root, or no mount namespace: the full-disk checks are skipped"
fi

# What is not a regular file is refused before anything is written, and is still there: a FIFO,
# and as root a character device, a node of /dev/full's own (never /dev/full itself, which a
# fault here would remove).
mkdir "$work/nodes"
mkfifo "$work/nodes/fifo"
declare -A kinds=([fifo]="a FIFO")
left="fifo:fifo "
if [ "$(id -u)" = 0 ] && mknod "$work/nodes/full" c 1 7 2>/dev/null; then
  kinds[full]="a character device"
  left+="full:character special file "
else
  echo "note: not root: the character device check is skipped"
fi
for name in "${!kinds[@]}"; do
  node=$work/nodes/$name
  reason="${kinds[$name]}, not a regular file"
  out=$(timeout 10 "$bin/quib-shot" --keys 38 --out "$node" 2>&1); status=$?
  check "quib-shot --out $name" "1: quib-shot: cannot write picture $node: $reason" "$status: $out"
  out=$(timeout 10 "$bin/quib-level" new 2 -o "$node" 2>&1); status=$?
  check "quib-level -o $name" "1: quib-level: cannot write the level to $node: $reason" \
    "$status: $out"
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$bin/quib" --record "$node" 2>&1); status=$?
  check "quib --record $name" "1: quib: cannot write the record $node: $reason" "$status: $out"
done
check "the nodes are still there, and nothing beside them" "$left" \
  "$(cd "$work/nodes" && stat -c '%n:%F' $(ls -A) | tr '\n' ' ')"

# --out makes a new file, and may name the file read: a level turned in place.
"$bin/quib-level" new 3 --border --out "$work/new.dat"
check "quib-level new --out" "same" "$(same <("$bin/quib-level" new 3 --border) "$work/new.dat")"
printf '2\n1,0,0,0,0,0\n0,0,8,1,0,0\n7,0,0,0,0,2\n' >"$work/level.dat"
"$bin/quib-level" turn "$work/level.dat" left >"$work/expected.dat"
out=$("$bin/quib-level" turn "$work/level.dat" left --out "$work/level.dat" 2>&1); status=$?
check "quib-level turn a.dat left --out a.dat" "0: same" \
  "$status: $out$(same "$work/expected.dat" "$work/level.dat")"

[ $failures -eq 0 ] && echo "writes: all checks passed"
exit $failures
