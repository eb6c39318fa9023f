# Sourced by the tests that need an X display: start_xvfb WORKDIR starts Xvfb on a free
# display of its own choosing, exports DISPLAY, and sets $xvfb to its process.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$1/display" >"$1/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
  [ -s "$1/display" ] || return 1
  export DISPLAY=":$(head -n 1 "$1/display")"
  xdpyinfo >/dev/null 2>&1
}
