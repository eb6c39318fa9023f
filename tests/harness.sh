# Sourced by the shell tests: a scratch folder $work removed at the end, with the game ($game)
# and Xvfb ($xvfb) stopped if still running; check() counts failures in $failures.
work=$(mktemp -d)
game=""
xvfb=""
failures=0
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"; echo "  expected: $2"; echo "  actual:   $3"; failures=$((failures + 1))
  fi
}

# start_xvfb [WIDTHxHEIGHT]: starts Xvfb (a 1920 x 1200 screen unless told) on a free display
# of its own choosing and exports DISPLAY.
start_xvfb() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1920x1200}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || return 1
  export DISPLAY=":$(head -n 1 "$work/display")"
  xdpyinfo >/dev/null 2>&1
}
stop_xvfb() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  xvfb=""
}
